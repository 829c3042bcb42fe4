#include "shell/texts/helpfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <algorithm>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readShipped(const char* name)
{
    QFile file(QStringLiteral(VELKORIN_SOURCE_DIR "/resources/program/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HelpFile parse(const char* utf8) { return parseHelpFile(QByteArray(utf8)); }

// A page's links as "target:text".
QStringList linksOf(const HelpPage& page)
{
    QStringList links;
    for (const HelpLink& link : page.links())
        links << link.target + u':' + link.text;
    return links;
}

QSet<QString> pageIds(const HelpFile& file)
{
    QSet<QString> ids;
    std::ranges::for_each(file.pages, [&ids](const HelpPage& p) { ids.insert(p.id); });
    return ids;
}

class ShippedHelpFile : public ::testing::TestWithParam<const char*> { };

TEST_P(ShippedHelpFile, ParsesAndEveryPageIsReachableFromTheContents)
{
    const QByteArray bytes = readShipped(GetParam());
    ASSERT_FALSE(bytes.isEmpty()) << GetParam();
    const HelpFile file = parseHelpFile(bytes);
    ASSERT_TRUE(file.ok()) << helpFileErrorText(file, false).toStdString();
    ASSERT_NE(file.contents(), nullptr);
    EXPECT_EQ(std::pair(file.contents()->id, file.title.isEmpty()), std::pair(u"contents"_s, false));

    QSet<QString> seen{file.contents()->id};
    QStringList queue{file.contents()->id};
    while (!queue.isEmpty()) {
        const HelpPage* page = file.page(queue.takeFirst());
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->blocks.isEmpty()) << page->id.toStdString();
        for (const HelpLink& link : page->links()) {
            ASSERT_NE(file.page(link.target), nullptr) << link.target.toStdString();
            EXPECT_FALSE(link.text.isEmpty());
            if (!seen.contains(link.target))
                seen.insert(link.target), queue.append(link.target);
        }
    }
    EXPECT_EQ(seen, pageIds(file)) << "a page no link leads to";
    EXPECT_EQ(seen, pageIds(parseHelpFile(readShipped("tipsswe.hlp")))) << "the languages have other pages";
    EXPECT_GE(file.pages.size(), 15);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedHelpFile, ::testing::Values("tipsswe.hlp", "tipsfin.hlp"));

TEST(HelpFile, ReadsPagesParagraphsListsAndLinks)
{
    const HelpFile file = parse("\xEF\xBB\xBF"
                                "\r\n@help  Test help \r\n"
                                "@page contents Contents\r\n"
                                "First line\r\n"
                                "goes on. See [[two|the second page]].\r\n"
                                "\r\n"
                                "- item [[two]]\r\n"
                                "- <b>&\r\n"
                                "@@page is text\r\n"
                                "@page two   Page two  \n"
                                "Back to [[contents]].\n");
    ASSERT_TRUE(file.ok()) << helpFileErrorText(file, false).toStdString();
    ASSERT_EQ(file.pages.size(), 2);
    const HelpPage& contents = file.pages[0];
    EXPECT_EQ(std::tuple(file.title, contents.line, file.pages[1].title), std::tuple(u"Test help"_s, 3, u"Page two"_s));
    EXPECT_EQ(
        contents.plainText(), u"First line goes on. See the second page.\n\n- item Page two\n- <b>&\n\n@page is text");
    EXPECT_EQ(linksOf(contents) + linksOf(file.pages[1]),
        (QStringList{u"two:the second page"_s, u"two:Page two"_s, u"contents:Contents"_s}));

    const QString html = helpPageHtml(contents);
    EXPECT_EQ(std::tuple(html.contains(u"<a href=\"page:two\">the second page</a>"),
                  html.contains(u"<li>&lt;b&gt;&amp;</li>"), html.count(u"<ul>"), html.count(u"</ul>")),
        std::tuple(true, true, 1LL, 1LL));
}

TEST(HelpFile, MalformedFilesAreReportedWithTheirLine)
{
    using E = HelpFileError;
    // text, error, line
    const std::tuple<const char*, E, int> cases[] = {{"", E::Empty, 0}, {"  \n\r\n", E::Empty, 0},
        {"@page a A\n", E::MissingHeader, 1}, {"@helper x\n@page a A\n", E::MissingHeader, 1},
        {"@help x\n", E::NoPages, 0}, {"@help x\ntext\n@page a A\n", E::TextBeforePage, 2},
        {"@help x\n@page\n", E::BadPageLine, 2}, {"@help x\n@page a\n", E::BadPageLine, 2},
        {"@help x\n@page a/b Title\n", E::BadPageLine, 2}, {"@help x\n@page a A\n@page a B\n", E::DuplicatePage, 3},
        {"@help x\n@page a A\n@link b\n", E::UnknownDirective, 3},
        {"@help x\n@page a A\nsee [[a|here\n", E::BadLink, 3},
        {"@help x\n@page a A\nsee [[a|here [[b]]\n", E::BadLink, 3},
        {"@help x\n@page a A\nsee [[|here]]\n", E::BadLink, 3}, {"@help x\n@page a A\nsee [[a|]]\n", E::BadLink, 3},
        {"@help x\n@page a A\n\nsee [[b|there]]\n", E::UnknownLinkTarget, 4},
        {"@help x\n@page a A\nbad \xC3\x28 byte\n", E::NotUtf8, 0}};
    for (const auto& [text, error, line] : cases) {
        SCOPED_TRACE(text);
        const HelpFile file = parse(text);
        EXPECT_EQ(std::tuple(file.error, file.errorLine, file.pages.isEmpty()), std::tuple(error, line, true));
        // Both languages name the line where there is one.
        const QString sv = helpFileErrorText(file, false), fi = helpFileErrorText(file, true),
                      n = QString::number(line);
        EXPECT_EQ(std::tuple(sv.isEmpty(), fi.isEmpty(), sv.contains(u"Rad " + n), fi.contains(u"Rivi " + n)),
            std::tuple(false, false, line > 0, line > 0));
    }
    EXPECT_TRUE(helpFileErrorText(parse("@help x\n@page a A\n"), false).isEmpty());
    // Errors from the start, the middle and the end of the list, word for word.
    const HelpFile empty = parse(""), badLink = parse("@help x\n@page a A\nsee [[a|here\n"),
                   noPages = parse("@help x\n");
    EXPECT_EQ(QStringList({helpFileErrorText(empty, false), helpFileErrorText(badLink, true),
                  helpFileErrorText(noPages, false)}),
        QStringList({u"Hjälpfilen kan inte visas. Hjälpfilen är tom."_s,
            u"Ohjetiedostoa ei voi näyttää. Virheellinen linkki. Rivi 3."_s,
            u"Hjälpfilen kan inte visas. Hjälpfilen har inga sidor."_s}));
}

TEST(HelpFile, OversizedAndRandomInputNeverCrashes)
{
    QByteArray big = QByteArrayLiteral("@help x\n@page a A\n");
    big.append(QByteArray(kMaxHelpFileBytes, 'x'));
    EXPECT_EQ(parseHelpFile(big).error, HelpFileError::TooLarge);

    // Random bytes and random mixes of the format's own pieces.
    QRandomGenerator rng(12345);
    const QByteArray pieces[] = {"@help t\n", "@page a A\n", "@page b B\n", "[[", "]]", "|", "a", "b", "- ", "@@", "\n",
        "\r\n", " ", "\xC3\xA4", "\xFF", "@", "x"};
    for (int round = 0; round < 2000; ++round) {
        QByteArray input;
        const int n = int(rng.bounded(40));
        for (int i = 0; i < n; ++i)
            input.append(
                round % 2 ? QByteArray(1, char(rng.bounded(256))) : pieces[rng.bounded(int(std::size(pieces)))]);
        const HelpFile file = parseHelpFile(input);
        if (file.ok()) {
            ASSERT_NE(file.contents(), nullptr);
            for (const HelpPage& p : file.pages) {
                for (const HelpLink& link : p.links())
                    ASSERT_NE(file.page(link.target), nullptr);
                (void)helpPageHtml(p);
            }
        } else {
            ASSERT_TRUE(file.pages.isEmpty());
        }
    }
}

}  // namespace
