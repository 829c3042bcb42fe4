#pragma once
// The program's help files ("tipsswe.hlp", "tipsfin.hlp"): a small UTF-8 text format of our own
// that the help viewer shows. This is its reader; it never trusts the bytes it is given.
//
// Format, line by line (LF or CR LF, an optional UTF-8 byte order mark):
//   @help <title>          the first line that is not blank: the title of the whole file
//   @page <id> <title>     starts a page; the first page is the contents page
//   - <text>               an item of a bulleted list
//   <blank line>           ends a paragraph or a list
//   <other text>           paragraph text; consecutive lines make one paragraph
//   @@<text>               a text line that begins with "@"
// Inside text, [[id|shown text]] links to the page id, and [[id]] shows that page's title.
// Page ids are letters, digits, "-", "_" and "."; every link must name a page of the same file.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

struct HelpSpan {
    QString text;
    QString target;  // page id for a link, empty for plain text
};

struct HelpBlock {
    enum class Kind { Paragraph, ListItem };
    Kind kind = Kind::Paragraph;
    QList<HelpSpan> spans;
};

struct HelpLink {
    QString target;
    QString text;
};

struct HelpPage {
    QString id;
    QString title;
    int line = 0;  // line of its @page, counting from 1
    QList<HelpBlock> blocks;

    QList<HelpLink> links() const;
    QString plainText() const;  // paragraphs separated by an empty line, links as their text
};

enum class HelpFileError {
    None,
    Empty,
    TooLarge,
    NotUtf8,
    MissingHeader,
    TextBeforePage,
    BadPageLine,
    DuplicatePage,
    UnknownDirective,
    BadLink,
    UnknownLinkTarget,
    NoPages,
};

struct HelpFile {
    QString title;
    QList<HelpPage> pages;  // empty when the file could not be read
    HelpFileError error = HelpFileError::None;
    int errorLine = 0;  // counting from 1; 0 when the error is not tied to a line
    QString errorDetail;

    bool ok() const { return error == HelpFileError::None; }
    const HelpPage* contents() const { return pages.isEmpty() ? nullptr : &pages.front(); }
    const HelpPage* page(QStringView id) const;
};

// Files above this size are refused rather than read.
inline constexpr qsizetype kMaxHelpFileBytes = 4 * 1024 * 1024;

HelpFile parseHelpFile(const QByteArray& bytes);

// A message for the viewer when the file could not be read, in Swedish or in Finnish.
QString helpFileErrorText(const HelpFile& file, bool finnish);

// The page as simple rich text for a text browser; a link's href is "page:" followed by the id.
QString helpPageHtml(const HelpPage& page);
