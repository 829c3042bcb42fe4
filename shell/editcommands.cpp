#include "shell/editcommands.h"

#include "platform/vbtext.h"

namespace editcommands {

namespace {

constexpr QChar kTab(9);
constexpr QChar kCr(13);
constexpr QChar kLf(10);

bool isSign(QChar c) { return c == u'1' || c == u'X' || c == u'x' || c == u'2'; }

// A system grid shows 12 system rows beside its label column.
constexpr int kRowsInView = 13;

}  // namespace

EditItems editItems(DocumentKind kind, bool focusIsGrid, bool clipboardHasText)
{
    EditItems items;
    if (!focusIsGrid)
        return items;
    if (kind == DocumentKind::Frame) {
        items.kopiera = true;
        items.gatillmenu = true;
    } else if (kind == DocumentKind::System) {
        items = {true, true, clipboardHasText, true, true, true};
    }
    return items;
}

QString clipboardText(const QString& clip)
{
    QString out;
    out.reserve(clip.size() + clip.count(kCr));
    for (QChar c : clip) {
        out += c;
        if (c == kCr)
            out += kLf;
    }
    return out;
}

QString pasteText(const QString& clipboard)
{
    qsizetype first = 0;
    qsizetype last = clipboard.size() - 1;
    while (first <= last && !isSign(clipboard.at(first)))
        ++first;
    while (last >= first && !isSign(clipboard.at(last)))
        --last;
    return clipboard.mid(first, last - first + 1);
}

PastePlan planPaste(
    const QString& t, const Selection& selection, int gridRows, int gridCols, const std::function<bool()>& acceptCut)
{
    PastePlan plan{selection, false};
    Selection& s = plan.selection;
    int rows = static_cast<int>(t.count(kCr)) + 1;
    bool asked = false;
    if (s.startRow + rows > gridRows) {
        if (!acceptCut())
            return plan;
        rows = gridRows - s.startRow;
        asked = true;
    }
    s.endRow = s.startRow + rows - 1;

    // With rows of equal length this is the number of cells per row.
    const double tabs = static_cast<double>(t.count(kTab));
    int columns = static_cast<int>(vb::Int((tabs + 1) / rows + 1));
    if (rows == 1)
        --columns;
    if (s.startCol + columns > gridCols) {
        columns = gridCols - s.startCol;
        if (!asked && !acceptCut()) {
            s.endRow = s.startRow;
            return plan;
        }
    }
    s.endCol = s.startCol + columns - 1;
    plan.write = true;
    return plan;
}

QString optionSign(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("1");
    case 1:
        return QStringLiteral("X");
    case 2:
        return QStringLiteral("2");
    default:
        return QString();
    }
}

RowJump jumpToRow(const QString& boxText, int cols)
{
    RowJump jump{false, boxText, 1};
    const double v = vb::Val(boxText);
    if (v < 1 || v > cols - 1)
        return jump;
    jump.exists = true;
    // Near the end the view is lowered until the last rows fill it.
    if (v > cols - kRowsInView)
        jump.boxText = vb::Dec(cols - kRowsInView);
    if (vb::Val(jump.boxText) < 1)
        jump.boxText = QStringLiteral("1");
    jump.leftCol = static_cast<int>(vb::Int(vb::Val(jump.boxText)));
    return jump;
}

}  // namespace editcommands
