#include "shell/texts/texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kFinnish = 10000;

std::vector<int> range(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

// Every UIText id that a window, menu, hint or composed message asks for.
std::vector<int> usedUITextIds()
{
    std::vector<int> ids;
    auto add = [&ids](const std::vector<int>& more) { ids.insert(ids.end(), more.begin(), more.end()); };
    add(range(10, 15));
    add(range(20, 26));
    add({30, 31});
    add(range(40, 43));
    add(range(50, 52));
    add(range(60, 63));
    add(range(100, 114));
    add(range(120, 137));
    add(range(200, 212));
    add(range(214, 228));
    add(range(300, 302));
    add(range(400, 403));
    add(range(500, 505));
    add(range(600, 607));
    add({650});
    add(range(700, 714));
    add(range(800, 822));
    add(range(900, 914));
    add(range(1000, 1006));
    add({1100});
    return ids;
}

TEST(TextTables, EveryUsedUITextIdExistsInBothLanguages)
{
    for (int id : usedUITextIds()) {
        EXPECT_FALSE(UIText(id).isEmpty()) << "Swedish UIText " << id;
        EXPECT_FALSE(UIText(id + kFinnish).isEmpty()) << "Finnish UIText " << id + kFinnish;
    }
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
    EXPECT_EQ(UIText(229), u"Ta bort lika rader");
    EXPECT_TRUE(UIText(229 + kFinnish).isEmpty());
    EXPECT_EQ(UIText(1), u"###");
    EXPECT_EQ(UIText(10001), u"###");

    for (int id : {0, 40, 10000, 10040, -10000})
        EXPECT_TRUE(MessageText(id).isEmpty()) << id;

    // Page 9 is an empty page, page 13 no page at all: both leave the guide blank.
    EXPECT_TRUE(GuideText(9).isEmpty());
    EXPECT_TRUE(GuideText(10009).isEmpty());
    EXPECT_TRUE(GuideText(13).isEmpty());
    EXPECT_TRUE(GuideText(0).isEmpty());
    EXPECT_TRUE(texts::find(texts::Table::Guide, 9).has_value());
    EXPECT_FALSE(texts::find(texts::Table::Guide, 13).has_value());
}

TEST(TextTables, FinnishOffsetGivesFinnish)
{
    EXPECT_EQ(UIText(10), u"Arkiv");
    EXPECT_EQ(UIText(10010), u"Arkisto");
    EXPECT_EQ(UIText(650), u"Guide");
    EXPECT_EQ(UIText(10650), u"Opas");
    EXPECT_EQ(MessageText(4), u"Filen är redan öppen!");
    EXPECT_EQ(MessageText(10004), u"Tiedosto on jo avattu!");
    EXPECT_TRUE(GuideText(1).startsWith(u"Välkommen till Velkorin."));
    EXPECT_TRUE(GuideText(10001).startsWith(u"Tervetuloa Velkoriniin."));
}

TEST(TextTables, BlanksAtTheEndsBelongToTheText)
{
    // A new frame's caption in Finnish gets two blanks before its number.
    EXPECT_EQ(UIText(100), u"Namnlös");
    EXPECT_EQ(UIText(10100), u"Nimetön ");
    // Shared texts differ between the languages.
    EXPECT_EQ(UIText(14), UIText(103));
    EXPECT_EQ(UIText(10014), u"Tulosta");
    EXPECT_EQ(UIText(10103), u"Tulosta ");
    EXPECT_EQ(UIText(11), UIText(101));
    EXPECT_EQ(UIText(121), u"Inget system");
    EXPECT_EQ(UIText(10121), u"Ei järjestelmää ");
    EXPECT_EQ(UIText(125), u" rader av ");
    EXPECT_EQ(UIText(10125), u" Rivejä ");
    EXPECT_EQ(UIText(10126), u" Mahdolliset");
    EXPECT_EQ(UIText(133), u" st");
    EXPECT_EQ(UIText(10133), u" kpl");
    EXPECT_EQ(UIText(1006), u" Rätt i rad ");
    EXPECT_EQ(UIText(11006), u" Oikein riveissä ");
    EXPECT_EQ(UIText(10907), u" ");
    EXPECT_EQ(UIText(10906), u"-->");
    EXPECT_EQ(UIText(204),
        u"Denna  funktion garderar en match fullständigt. Du kan använda dig av hel- eller "
        u"halvgarderingar.");
    EXPECT_EQ(MessageText(13), u"System ");
    EXPECT_EQ(MessageText(10016), u" Vajaa lukumäärä osittain vaihdettuja");
    EXPECT_EQ(MessageText(35), u" har ändrats utan att sparas! Vill du spara den nu?");
    EXPECT_EQ(MessageText(10030), u"Odottamaton virhe on sattunut ");
}

TEST(TextTables, MessagesAsTheProgramShowsThem)
{
    EXPECT_EQ(MessageText(29), u"Minnet är fullt!");
    EXPECT_EQ(MessageText(10029), u"Muisti on täynnä!");
    EXPECT_EQ(MessageText(30), u"Ett oväntat fel har uppstått");
    EXPECT_EQ(MessageText(39), u"Fel filtyp! Denna typ av fil går inte att ladda in här.");
    EXPECT_EQ(MessageText(10039), u"File Error: Can't load this type of file!");
    EXPECT_EQ(MessageText(32),
        u"AppPath kunde inte hittas i VELKORIN.INI! Skriv in sökvägen till Velkorin i "
        u"VELKORIN.INI. Ex AppPath=C:\\Program Files\\Velkorin");
    // Two-part messages: the parts joined by a lone CR, statement before advice.
    EXPECT_EQ(MessageText(23),
        u"Garantitabellen för detta system är inte beräknad.\r"
        u"Använd 'Editera system' för att beräkna den.");
    EXPECT_EQ(MessageText(2),
        u"Du har ändrat systemet, men du har inte beräknat en ny garantitabell.\r"
        u" Vill du spara ändå spara systemet med den gamla garatitabellen?");
    EXPECT_EQ(MessageText(38),
        u"Starta om programmet för att byta språk.\r"
        u"Käynnistä ohjelma uudelleen, kielenvaihtoa varten.");
    EXPECT_EQ(MessageText(10038),
        u"Käynnistä ohjelma uudelleen, kielenvaihtoa varten.\r"
        u"Starta om programmet för att byta språk.");
    for (int id = 1; id <= 39; ++id) {
        for (int key : {id, id + kFinnish})
            EXPECT_FALSE(MessageText(key).contains(u'\n')) << key;
    }
}

TEST(TextTables, FinnishCaptionsAreTranslated)
{
    for (int id : range(201, 228)) {
        if (id == 213 || id == 208 || id == 209)
            continue;
        EXPECT_NE(UIText(id), UIText(id + kFinnish)) << id;
    }
    for (int id : {903, 911, 912})
        EXPECT_NE(UIText(id), UIText(id + kFinnish)) << id;
}

TEST(TextTables, GuidePagesUseCrLfLineBreaks)
{
    for (int page = 1; page <= 12; ++page) {
        for (int key : {page, page + kFinnish}) {
            const QString text = GuideText(key);
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i] == u'\n') {
                    ASSERT_TRUE(i > 0 && text[i - 1] == u'\r') << "lone LF on page " << key;
                }
                if (text[i] == u'\r') {
                    ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << "lone CR on page " << key;
                }
            }
            EXPECT_FALSE(text.contains(QStringLiteral("\r\n\r\n\r\n"))) << key;
        }
    }
    EXPECT_TRUE(GuideText(1).contains(QStringLiteral("Välkommen till Velkorin.\r\n\r\n")));
    // The examples of the guarantee page are lines of one paragraph.
    EXPECT_TRUE(GuideText(5).contains(QStringLiteral("en 13 rätt,\r\nen till tre 11 rätt,\r\n")));
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
