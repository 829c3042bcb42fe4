#include "shell/systemfile.h"

#include "platform/bytereader.h"
#include "platform/vbtext.h"

namespace {

std::uint8_t checkedByte(int v)
{
    if (v < 0 || v > 255)
        throw VbError(vberr::Overflow);
    return std::uint8_t(v);
}

std::int16_t checkedInt16(int v) { return vb::toInt16(v); }

}  // namespace

std::uint8_t SystemBlock::sign(int k, int c) const
{
    if (k < 1 || k > guarded || c < 1 || c > rows)
        return 0;
    const qsizetype at = qsizetype(k - 1) * rows + (c - 1);
    return at < signs.size() ? std::uint8_t(signs[at]) : 0;
}

void SystemBlock::setSign(int k, int c, std::uint8_t code)
{
    if (k < 1 || k > guarded || c < 1 || c > rows)
        return;
    const qsizetype at = qsizetype(k - 1) * rows + (c - 1);
    if (at < signs.size())
        signs[at] = char(code);
}

QString SystemBlock::guaranteeCell(int r, int c) const
{
    if (r < 0 || r >= gRows || c < 0 || c >= gCols)
        return {};
    const qsizetype at = qsizetype(c) * gRows + r;
    return at < guarantee.size() ? guarantee[at] : QString();
}

void SystemBlock::setGuaranteeCell(int r, int c, const QString& text)
{
    if (r < 0 || r >= gRows || c < 0 || c >= gCols)
        return;
    const qsizetype at = qsizetype(c) * gRows + r;
    if (at < guarantee.size())
        guarantee[at] = text;
}

void SystemBlock::resizeToCounts()
{
    signs = QByteArray(qsizetype(qMax(0, guarded)) * qMax(0, rows), '\0');
    guarantee = QStringList();
    guarantee.resize(qsizetype(qMax(0, gCols)) * qMax(0, gRows));
}

std::uint8_t signByteOf(const QString& cellText)
{
    if (cellText.isEmpty())
        return 0;
    const QByteArray b = vb::toCp1252(cellText.left(1));
    return b.isEmpty() ? 0 : std::uint8_t(b[0]);
}

QString signTextOf(std::uint8_t code) { return vb::fromCp1252(QByteArray(1, char(code))); }

void writeSystemBlock(ByteWriter& w, const SystemBlock& b)
{
    if (b.rows < 0 || b.guarded < 0 || b.gCols < 0 || b.gRows < 0)
        throw VbError(vberr::InvalidCall);
    const std::uint8_t type = checkedByte(b.type);
    const std::uint8_t gCols = checkedByte(b.gCols);
    const std::uint8_t gRows = checkedByte(b.gRows);
    const std::int16_t rows = checkedInt16(b.rows);
    const std::int16_t guarded = checkedInt16(b.guarded);
    const std::int16_t fullGuards = checkedInt16(b.fullGuards);
    if (b.signs.size() != qsizetype(guarded) * rows || b.guarantee.size() != qsizetype(gCols) * gRows)
        throw VbError(vberr::InvalidCall);
    w.writeByte(type);
    w.writeByte(gCols);
    w.writeByte(gRows);
    w.writeInt16(rows);
    w.writeInt16(guarded);
    w.writeInt16(fullGuards);
    w.writeBytes(b.signs);
    for (const QString& cell : b.guarantee)
        w.writeTaggedText(cell);
}

void readSystemBlock(ByteReader& r, SystemBlock& out, bool& countsRead)
{
    countsRead = false;
    const int type = r.readByte();
    const int gCols = r.readByte();
    const int gRows = r.readByte();
    const int rows = r.readInt16();
    const int guarded = r.readInt16();
    const int fullGuards = r.readInt16();
    if (rows < 0 || guarded < 0 || fullGuards < 0 || fullGuards > guarded)
        throw invalidFileFormat();
    out.type = type;
    out.gCols = gCols;
    out.gRows = gRows;
    out.rows = rows;
    out.guarded = guarded;
    out.fullGuards = fullGuards;
    out.guarantee.clear();
    countsRead = true;
    // What the file holds of the sign block is kept even when it ends early; nothing is sized
    // beyond the bytes that are there.
    const std::int64_t signBytes = std::int64_t(guarded) * rows;
    out.signs = r.readBytes(std::min<std::int64_t>(signBytes, r.remaining()));
    if (out.signs.size() < signBytes)
        throw VbError(vberr::InputPastEnd);
    const std::int64_t cells = std::int64_t(gCols) * gRows;
    for (std::int64_t i = 0; i < cells; ++i)
        out.guarantee.append(r.readTaggedText());
}

QByteArray writeSystemFile(const SystemFileData& data)
{
    ByteWriter w;
    w.writeByte(data.magic);
    writeSystemBlock(w, data);
    return w.take();
}

SystemFileRead readSystemFile(QByteArrayView bytes, MagicCheck check)
{
    SystemFileRead result;
    ByteReader r(bytes);
    bool countsRead = false;
    try {
        result.data.magic = r.readByte();
        result.reached = SystemReadStage::Magic;
        if (check == MagicCheck::Require && result.data.magic != kSystemFileMagic) {
            result.status = FileReadStatus::WrongType;
            return result;
        }
        readSystemBlock(r, result.data, countsRead);
        result.reached = SystemReadStage::Complete;
    } catch (const VbError& e) {
        result.status = FileReadStatus::Damaged;
        result.error = e;
        if (countsRead)
            result.reached = result.data.signs.size() == qsizetype(result.data.guarded) * result.data.rows
                ? SystemReadStage::Signs
                : SystemReadStage::Counts;
    }
    return result;
}
