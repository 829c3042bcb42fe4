#include "shell/systemgrids.h"

#include "platform/grid.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/systemfile.h"

#include <QLocale>

namespace {

double tagNumber(const QString& tag)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(tag.trimmed(), &ok);
    if (!ok)
        throw VbError(vberr::TypeMismatch);
    return v;
}

}  // namespace

int tagByte(const QString& tag)
{
    const std::int16_t v = vb::CInt(tagNumber(tag));
    if (v < 0 || v > 255)
        throw VbError(vberr::Overflow);
    return v;
}

int tagInt16(const QString& tag) { return vb::CInt(tagNumber(tag)); }

SystemBlock systemBlockOf(
    const Grid& signs, const Grid& guarantee, const QString& typeTag, const QString& fullGuardsTag)
{
    SystemBlock b;
    b.rows = signs.Cols() - 1;
    b.guarded = signs.Rows() - 1;
    b.fullGuards = tagInt16(fullGuardsTag);
    b.type = tagByte(typeTag);
    b.gCols = guarantee.Cols();
    b.gRows = guarantee.Rows();
    // The file fields are a byte and an int16: refuse what they cannot hold before sizing anything.
    if (b.rows < 0 || b.guarded < 0 || b.rows > 32767 || b.guarded > 32767 || b.gCols > 255 || b.gRows > 255)
        throw VbError(vberr::Overflow);
    b.resizeToCounts();
    char* out = b.signs.data();
    for (int k = 1; k <= b.guarded; ++k)
        for (int c = 1; c <= b.rows; ++c)
            *out++ = char(signByteOf(signs.cell(k, c)));
    qsizetype at = 0;
    for (int c = 0; c < b.gCols; ++c)
        for (int r = 0; r < b.gRows; ++r)
            b.guarantee[at++] = guarantee.cell(r, c);
    return b;
}

void putSigns(Grid& signs, const SystemBlock& b)
{
    signs.setCols(b.rows + 1);  // first: the one size the grid may refuse
    signs.setRows(b.guarded + 1);
    fillSigns(signs, b);
}

void fillSigns(Grid& signs, const SystemBlock& b)
{
    const int rows = qMin(b.guarded, signs.Rows() - 1);
    const int cols = qMin(b.rows, signs.Cols() - 1);
    // One text per byte value, shared by every cell that holds it.
    QString texts[256];
    for (int v = 0; v < 256; ++v)
        texts[v] = signTextOf(std::uint8_t(v));
    for (int k = 1; k <= rows; ++k)
        for (int c = 1; c <= cols; ++c)
            signs.setTextMatrix(k, c, texts[b.sign(k, c)]);
}

int editableGuaranteeColumns(int stored)
{
    // The editor knows the flag column, the comment in column 2, and the 6- or 7-column table.
    for (const int allowed : {1, 3, 6})
        if (stored <= allowed)
            return allowed;
    return 7;
}

namespace {

// The block's cells, column first, as far as both the grid and the cells read reach.
void fillGuarantee(Grid& guarantee, const SystemBlock& b)
{
    const qsizetype cells = qMin(b.guarantee.size(), qsizetype(qMin(guarantee.Cols(), b.gCols)) * b.gRows);
    for (qsizetype i = 0; i < cells; ++i) {
        const int c = int(i / b.gRows);
        const int r = int(i % b.gRows);
        guarantee.setTextMatrix(r, c, b.guarantee[i]);
    }
}

}  // namespace

void putGuarantee(Grid& guarantee, const SystemBlock& b)
{
    guarantee.setCols(editableGuaranteeColumns(b.gCols));
    guarantee.setRows(qMax(1, b.gRows));
    fillGuarantee(guarantee, b);
}

void putStoredGuarantee(Grid& guarantee, const SystemBlock& b)
{
    guarantee.setCols(b.gCols);
    guarantee.setRows(b.gRows);
    fillGuarantee(guarantee, b);
}
