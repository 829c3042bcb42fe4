#include "shell/texts/helpfile.h"

#include "shell/texts/texts.h"

#include <QSet>
#include <QStringDecoder>

namespace {

bool isIdChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' ||
        c == u'.';
}

bool isValidId(QStringView id)
{
    if (id.isEmpty())
        return false;
    for (QChar c : id) {
        if (!isIdChar(c))
            return false;
    }
    return true;
}

struct Failure {
    HelpFileError error;
    QString detail;
};

// Splits "directive rest" after the leading "@name": the rest with surrounding blanks removed.
QStringView afterDirective(QStringView line, qsizetype nameLength) { return line.mid(nameLength).trimmed(); }

// Text with links cut into spans; an unterminated or empty link fails.
bool splitSpans(QStringView text, QList<HelpSpan>& spans, Failure& failure)
{
    static const QString open = QStringLiteral("[[");
    static const QString close = QStringLiteral("]]");
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype start = text.indexOf(open, pos);
        if (start < 0) {
            spans.append({text.mid(pos).toString(), QString()});
            break;
        }
        if (start > pos)
            spans.append({text.mid(pos, start - pos).toString(), QString()});
        const qsizetype end = text.indexOf(close, start + 2);
        const QStringView inner = end < 0 ? QStringView() : text.mid(start + 2, end - start - 2);
        if (end < 0 || inner.contains(open)) {
            failure = {HelpFileError::BadLink, text.mid(start).toString()};
            return false;
        }
        const qsizetype bar = inner.indexOf(u'|');
        const QStringView target = (bar < 0 ? inner : inner.left(bar)).trimmed();
        const QStringView shown = bar < 0 ? QStringView() : inner.mid(bar + 1).trimmed();
        if (!isValidId(target) || (bar >= 0 && shown.isEmpty())) {
            failure = {HelpFileError::BadLink, inner.toString()};
            return false;
        }
        spans.append({shown.toString(), target.toString()});
        pos = end + 2;
    }
    return true;
}

HelpFile failed(HelpFileError error, int line, QString detail = QString())
{
    HelpFile file;
    file.error = error;
    file.errorLine = line;
    file.errorDetail = std::move(detail);
    return file;
}

}  // namespace

QList<HelpLink> HelpPage::links() const
{
    QList<HelpLink> result;
    for (const HelpBlock& block : blocks) {
        for (const HelpSpan& span : block.spans) {
            if (!span.target.isEmpty())
                result.append({span.target, span.text});
        }
    }
    return result;
}

QString HelpPage::plainText() const
{
    QString out;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const HelpBlock& block = blocks[i];
        if (i > 0) {
            const bool listGoesOn =
                block.kind == HelpBlock::Kind::ListItem && blocks[i - 1].kind == HelpBlock::Kind::ListItem;
            out += listGoesOn ? QStringLiteral("\n") : QStringLiteral("\n\n");
        }
        if (block.kind == HelpBlock::Kind::ListItem)
            out += QStringLiteral("- ");
        for (const HelpSpan& span : block.spans)
            out += span.text;
    }
    return out;
}

const HelpPage* HelpFile::page(QStringView id) const
{
    for (const HelpPage& p : pages) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

namespace {

// Reads the lines after the header into pages and blocks; the first faulty line stops it. Links are
// checked once every page is known.
class HelpParser {
public:
    explicit HelpParser(HelpFile& file) : file_(file) { }

    bool line(QStringView trimmed, int lineNo)
    {
        if (trimmed.isEmpty()) {
            paragraphOpen_ = false;
            return true;
        }
        if (trimmed.startsWith(u'@') && !trimmed.startsWith(QStringLiteral("@@")))
            return pageLine(trimmed, lineNo);
        return textLine(trimmed, lineNo);
    }

    bool resolveLinks()
    {
        for (const PendingLink& link : pendingLinks_) {
            HelpSpan& span = file_.pages[link.page].blocks[link.block].spans[link.span];
            const HelpPage* target = file_.page(span.target);
            if (!target)
                return fail(HelpFileError::UnknownLinkTarget, link.line, span.target);
            if (span.text.isEmpty())
                span.text = target->title;
        }
        return true;
    }

    HelpFile failure() const { return failed(failure_.error, failureLine_, failure_.detail); }

private:
    struct PendingLink {
        qsizetype page;
        qsizetype block;
        qsizetype span;
        int line;
    };

    bool fail(HelpFileError error, int lineNo, QString detail = QString())
    {
        failure_ = {error, std::move(detail)};
        failureLine_ = lineNo;
        return false;
    }

    bool pageLine(QStringView trimmed, int lineNo)
    {
        const bool isPage =
            trimmed.startsWith(QStringLiteral("@page")) && (trimmed.size() == 5 || trimmed[5].isSpace());
        if (!isPage)
            return fail(HelpFileError::UnknownDirective, lineNo, trimmed.toString());
        const QStringView rest = afterDirective(trimmed, 5);
        qsizetype idEnd = 0;
        while (idEnd < rest.size() && !rest[idEnd].isSpace())
            ++idEnd;
        const QStringView id = rest.left(idEnd);
        const QStringView title = rest.mid(idEnd).trimmed();
        if (!isValidId(id) || title.isEmpty())
            return fail(HelpFileError::BadPageLine, lineNo, trimmed.toString());
        if (ids_.contains(id.toString()))
            return fail(HelpFileError::DuplicatePage, lineNo, id.toString());
        ids_.insert(id.toString());
        file_.pages.append({id.toString(), title.toString(), lineNo, {}});
        paragraphOpen_ = false;
        return true;
    }

    bool textLine(QStringView trimmed, int lineNo)
    {
        if (file_.pages.isEmpty())
            return fail(HelpFileError::TextBeforePage, lineNo);

        HelpPage& page = file_.pages.back();
        QStringView body = trimmed;
        HelpBlock::Kind kind = HelpBlock::Kind::Paragraph;
        if (body.startsWith(QStringLiteral("@@"))) {
            body = body.mid(1);
        } else if (body == u'-' || body.startsWith(QStringLiteral("- "))) {
            kind = HelpBlock::Kind::ListItem;
            body = body.mid(1).trimmed();
        }

        QList<HelpSpan> spans;
        Failure spanFailure{};
        if (!splitSpans(body, spans, spanFailure))
            return fail(spanFailure.error, lineNo, spanFailure.detail);

        if (kind == HelpBlock::Kind::Paragraph && paragraphOpen_ && !page.blocks.isEmpty() &&
            page.blocks.back().kind == HelpBlock::Kind::Paragraph) {
            page.blocks.back().spans.append({QStringLiteral(" "), QString()});
            page.blocks.back().spans.append(spans);
        } else {
            page.blocks.append({kind, {}});
            page.blocks.back().spans = spans;
        }
        paragraphOpen_ = kind == HelpBlock::Kind::Paragraph;

        const qsizetype pageIndex = file_.pages.size() - 1;
        const qsizetype blockIndex = page.blocks.size() - 1;
        const QList<HelpSpan>& stored = page.blocks.back().spans;
        for (qsizetype s = stored.size() - spans.size(); s < stored.size(); ++s) {
            if (!stored[s].target.isEmpty())
                pendingLinks_.append({pageIndex, blockIndex, s, lineNo});
        }
        return true;
    }

    HelpFile& file_;
    bool paragraphOpen_ = false;  // the next text line continues the last paragraph
    QSet<QString> ids_;
    QList<PendingLink> pendingLinks_;
    Failure failure_{HelpFileError::None, QString()};
    int failureLine_ = 0;
};

}  // namespace

HelpFile parseHelpFile(const QByteArray& bytes)
{
    if (bytes.size() > kMaxHelpFileBytes)
        return failed(HelpFileError::TooLarge, 0);

    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return failed(HelpFileError::NotUtf8, 0);
    if (text.trimmed().isEmpty())
        return failed(HelpFileError::Empty, 0);

    HelpFile file;
    HelpParser parser(file);
    bool haveHeader = false;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i + 1);
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (haveHeader) {
            if (!parser.line(trimmed, lineNo))
                return parser.failure();
        } else if (!trimmed.isEmpty()) {
            if (!trimmed.startsWith(QStringLiteral("@help")) || (trimmed.size() > 5 && !trimmed[5].isSpace()))
                return failed(HelpFileError::MissingHeader, lineNo);
            file.title = afterDirective(trimmed, 5).toString();
            haveHeader = true;
        }
    }

    if (!haveHeader)
        return failed(HelpFileError::MissingHeader, 0);
    if (file.pages.isEmpty())
        return failed(HelpFileError::NoPages, 0);
    if (!parser.resolveLinks())
        return parser.failure();
    return file;
}

QString helpFileErrorText(const HelpFile& file, bool finnish)
{
    if (file.ok())
        return QString();
    const int languageOffset = finnish ? kFinnishOffset : 0;
    const int error = static_cast<int>(file.error) - static_cast<int>(HelpFileError::Empty);
    QString text = UIText(kUiHelpCannotShow + languageOffset) + UIText(kUiHelpFileError + error + languageOffset);
    if (file.errorLine > 0)
        text += UIText(kUiHelpLine + languageOffset) + QString::number(file.errorLine) + QStringLiteral(".");
    return text;
}

QString helpPageHtml(const HelpPage& page)
{
    QString html = QStringLiteral("<h2>") + page.title.toHtmlEscaped() + QStringLiteral("</h2>\n");
    bool inList = false;
    for (const HelpBlock& block : page.blocks) {
        const bool item = block.kind == HelpBlock::Kind::ListItem;
        if (item && !inList)
            html += QStringLiteral("<ul>\n");
        if (!item && inList)
            html += QStringLiteral("</ul>\n");
        inList = item;
        html += item ? QStringLiteral("<li>") : QStringLiteral("<p>");
        for (const HelpSpan& span : block.spans) {
            if (span.target.isEmpty())
                html += span.text.toHtmlEscaped();
            else
                html += QStringLiteral("<a href=\"page:") + span.target.toHtmlEscaped() + QStringLiteral("\">") +
                    span.text.toHtmlEscaped() + QStringLiteral("</a>");
        }
        html += item ? QStringLiteral("</li>\n") : QStringLiteral("</p>\n");
    }
    if (inList)
        html += QStringLiteral("</ul>\n");
    return html;
}
