#include "shell/texts/texts.h"
#include "shell/texts/texttables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>
#include <type_traits>

namespace {

constexpr int kFinnish = 10000;

// An id reaches its own table only, in either look-up; a plain number reaches none.
static_assert(
    std::is_invocable_v<decltype(&UIText), UiTextId> && std::is_invocable_v<decltype(&currentUiText), UiTextId>);
static_assert(!std::is_invocable_v<decltype(&MessageText), UiTextId> &&
    !std::is_invocable_v<decltype(&currentMessageText), UiTextId>);
static_assert(!std::is_invocable_v<decltype(&currentUiText), MessageTextId> &&
    !std::is_invocable_v<decltype(&currentGuideText), MessageTextId>);
static_assert(!std::is_invocable_v<decltype(&UIText), int> && !std::is_invocable_v<decltype(&currentMessageText), int>);

TEST(TextTables, EveryTextExistsInBothLanguagesButOneCaption)
{
    std::set<int> onlySwedish;
    for (const texts::detail::Entry& e : texts::detail::uiTextSwedish()) {
        EXPECT_FALSE(UIText(UiTextId{e.key}).isEmpty()) << e.key;
        if (UIText(UiTextId{e.key + kFinnish}).isEmpty())
            onlySwedish.insert(e.key);
    }
    EXPECT_EQ(onlySwedish, std::set<int>{229});
    for (const texts::detail::Entry& e : texts::detail::uiTextFinnish())
        EXPECT_FALSE(UIText(UiTextId{e.key - kFinnish}).isEmpty()) << e.key;
    EXPECT_GE(texts::detail::uiTextSwedish().size(), 170u);
    // Texts are kept as written, blanks included: callers append numbers and names at them.
    for (const auto& [table, entries] : {std::pair{texts::Table::UI, texts::detail::uiTextSwedish()},
             std::pair{texts::Table::UI, texts::detail::uiTextFinnish()},
             std::pair{texts::Table::Message, texts::detail::messageTexts()}})
        for (const texts::detail::Entry& e : entries)
            EXPECT_EQ(texts::find(table, e.key), QString::fromUtf16(e.text)) << e.key;
    // Two-part messages are joined by a lone CR; guide pages break lines with CR LF.
    static const QRegularExpression loneCrOrLf(QStringLiteral("\r(?!\n)|(?<!\r)\n|(\r\n){3}"));
    for (int offset : {0, kFinnish}) {
        for (int id = 1; id <= 39; ++id)
            EXPECT_THAT(MessageText(MessageTextId{id + offset}).toStdString(),
                testing::AllOf(testing::Not(testing::IsEmpty()), testing::Not(testing::HasSubstr("\n"))))
                << id + offset;
        for (int page = 1; page <= 12; ++page) {
            EXPECT_TRUE(page == 9 || !GuideText(GuideTextId{page + offset}).isEmpty())
                << "guide page " << page + offset;
            EXPECT_FALSE(GuideText(GuideTextId{page + offset}).contains(loneCrOrLf)) << "guide page " << page + offset;
        }
    }
}

TEST(TextTables, MissingIdsGiveTheEmptyTextWithoutFallback)
{
    for (int id : {0, -1, 2, 9, 213, 10213, 10229, 115, 1007, 1101, 9999, 10000, 20010, 32767, 40000})
        EXPECT_EQ(
            std::pair(UIText(UiTextId{id}), texts::find(texts::Table::UI, id).has_value()), std::pair(QString(), false))
            << id;
    // 10229: no fallback from a missing Finnish text to the Swedish one (229 exists, see above).
    for (int id : {0, 40, 10000, 10040, -10000})
        EXPECT_TRUE(MessageText(MessageTextId{id}).isEmpty()) << id;

    // Page 9 is an empty page, page 13 no page at all: both leave the guide blank.
    for (int page : {9, 10009, 13, 0})
        EXPECT_TRUE(GuideText(GuideTextId{page}).isEmpty()) << page;
    EXPECT_EQ(
        std::pair(texts::find(texts::Table::Guide, 9).has_value(), texts::find(texts::Table::Guide, 13).has_value()),
        std::pair(true, false));
}

TEST(TextTables, FinnishCaptionsAreTranslated)
{
    for (int id = 201; id <= 228; ++id)
        EXPECT_TRUE(id == 208 || id == 209 || id == 213 || UIText(UiTextId{id}) != UIText(UiTextId{id + kFinnish}))
            << id;
    for (int id : {903, 911, 912})
        EXPECT_NE(UIText(UiTextId{id}), UIText(UiTextId{id + kFinnish})) << id;
}

TEST(TextTables, GuidePagesNameTheControlsByTheirCaptions)
{
    const std::pair<int, int> mentions[] = {{1, 11}, {1, 12}, {3, 212}, {3, 214}, {3, 218}, {3, 220}, {3, 227},
        {3, 228}, {6, 1005}, {11, 300}, {11, 301}, {11, 131}};
    for (const auto& [page, uiText] : mentions)
        for (int offset : {0, kFinnish})
            EXPECT_TRUE(GuideText(GuideTextId{page + offset}).contains(UIText(UiTextId{uiText + offset}).trimmed()))
                << page + offset << ' ' << uiText;
}

}  // namespace
