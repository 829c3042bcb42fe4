#include "shell/texts/texts.h"
#include "shell/texts/texttables.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>

namespace {

constexpr int kFinnish = 10000;

TEST(TextTables, EveryCaptionExistsInBothLanguagesButOne)
{
    std::set<int> onlySwedish;
    for (const texts::detail::Entry& e : texts::detail::uiTextSwedish()) {
        EXPECT_FALSE(UIText(e.key).isEmpty()) << e.key;
        if (UIText(e.key + kFinnish).isEmpty())
            onlySwedish.insert(e.key);
    }
    EXPECT_EQ(onlySwedish, std::set<int>{229});
    for (const texts::detail::Entry& e : texts::detail::uiTextFinnish())
        EXPECT_FALSE(UIText(e.key - kFinnish).isEmpty()) << e.key;
    EXPECT_GE(texts::detail::uiTextSwedish().size(), 170u);
}

TEST(TextTables, EveryMessageAndGuidePageExistsInBothLanguages)
{
    for (int id = 1; id <= 39; ++id) {
        EXPECT_FALSE(MessageText(id).isEmpty()) << "Swedish MessageText " << id;
        EXPECT_FALSE(MessageText(id + kFinnish).isEmpty()) << "Finnish MessageText " << id + kFinnish;
    }
    for (int page : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}) {
        EXPECT_FALSE(GuideText(page).isEmpty()) << "Swedish guide page " << page;
        EXPECT_FALSE(GuideText(page + kFinnish).isEmpty()) << "Finnish guide page " << page;
    }
}

TEST(TextTables, MissingIdsGiveTheEmptyTextWithoutFallback)
{
    for (int id : {0, -1, 2, 9, 213, 10213, 10229, 115, 1007, 1101, 9999, 10000, 20010, 32767, 40000}) {
        EXPECT_TRUE(UIText(id).isEmpty()) << id;
        EXPECT_FALSE(texts::find(texts::Table::UI, id).has_value()) << id;
    }
    // No fallback from a missing Finnish text to the Swedish one.
    EXPECT_FALSE(UIText(229).isEmpty());
    EXPECT_TRUE(UIText(229 + kFinnish).isEmpty());

    for (int id : {0, 40, 10000, 10040, -10000})
        EXPECT_TRUE(MessageText(id).isEmpty()) << id;

    // Page 9 is an empty page, page 13 no page at all: both leave the guide blank.
    for (int page : {9, 10009, 13, 0})
        EXPECT_TRUE(GuideText(page).isEmpty()) << page;
    EXPECT_TRUE(texts::find(texts::Table::Guide, 9).has_value());
    EXPECT_FALSE(texts::find(texts::Table::Guide, 13).has_value());
}

TEST(TextTables, TextsAreKeptAsWrittenBlanksAndLoneCrIncluded)
{
    // Callers append numbers and names at the blanks; two-part messages are joined by a lone CR.
    using texts::detail::Entry;
    for (const auto& [table, entries] : {std::pair{texts::Table::UI, texts::detail::uiTextSwedish()},
             std::pair{texts::Table::UI, texts::detail::uiTextFinnish()},
             std::pair{texts::Table::Message, texts::detail::messageTexts()}}) {
        for (const Entry& e : entries)
            EXPECT_EQ(texts::find(table, e.key), QString::fromUtf16(e.text)) << e.key;
    }
    for (int id = 1; id <= 39; ++id) {
        for (int key : {id, id + kFinnish})
            EXPECT_FALSE(MessageText(key).contains(u'\n')) << key;
    }
}

TEST(TextTables, FinnishCaptionsAreTranslated)
{
    for (int id = 201; id <= 228; ++id)
        EXPECT_TRUE(id == 208 || id == 209 || id == 213 || UIText(id) != UIText(id + kFinnish)) << id;
    for (int id : {903, 911, 912})
        EXPECT_NE(UIText(id), UIText(id + kFinnish)) << id;
}

TEST(TextTables, GuidePagesUseCrLfLineBreaks)
{
    for (int page = 1; page <= 12; ++page) {
        for (int key : {page, page + kFinnish}) {
            static const QRegularExpression loneCrOrLf(QStringLiteral("\r(?!\n)|(?<!\r)\n|(\r\n){3}"));
            EXPECT_FALSE(GuideText(key).contains(loneCrOrLf)) << "page " << key;
        }
    }
}

TEST(TextTables, GuidePagesNameTheControlsByTheirCaptions)
{
    struct Mention {
        int page;
        int uiText;
    };
    const Mention mentions[] = {{1, 11}, {1, 12}, {3, 212}, {3, 214}, {3, 218}, {3, 220}, {3, 227}, {3, 228}, {6, 1005},
        {11, 300}, {11, 301}, {11, 131}};
    for (const Mention& m : mentions) {
        for (int offset : {0, kFinnish}) {
            const QString caption = UIText(m.uiText + offset).trimmed();
            EXPECT_TRUE(GuideText(m.page + offset).contains(caption))
                << "page " << m.page + offset << " lacks " << caption.toStdString();
        }
    }
}

}  // namespace
