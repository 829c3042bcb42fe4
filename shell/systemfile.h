#pragma once
// The system file (*.RM, *.RU, *.KU): one reduced system with its sign grid and guarantee table,
// as bytes. The frame file repeats the same block, less the magic byte, once per system slot.

#include "platform/vberror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class ByteReader;
class ByteWriter;

constexpr std::uint8_t kSystemFileMagic = 5;

// Everything of a system after the magic byte. Counts are stored wide; the writer checks that they
// fit their fields (byte: 0..255, int16: -32768..32767) and raises error 6 when they do not.
struct SystemBlock {
    int type = 0;  // byte: 0 without base row, 1 with base row (the grid's Tag)
    int gCols = 0;  // byte: columns of the guarantee grid
    int gRows = 0;  // byte: rows of the guarantee grid
    int rows = 0;  // int16 R: system rows (sign grid columns - 1)
    int guarded = 0;  // int16 M: guarded matches (sign grid rows - 1)
    int fullGuards = 0;  // int16 H: full guards (the editor's or slot's Tag)
    // M x R bytes, guarded match first: the byte for grid row k (1..M), column c (1..R) is at
    // (k - 1) * R + (c - 1). '1', 'X', '2' for a sign, 0 for an empty cell.
    QByteArray signs;
    // gCols x gRows texts, column first: cell (row r, column c) is at c * gRows + r.
    QStringList guarantee;

    // Grid accessors; out-of-range positions give 0 / "".
    std::uint8_t sign(int k, int c) const;
    void setSign(int k, int c, std::uint8_t code);
    QString guaranteeCell(int r, int c) const;
    void setGuaranteeCell(int r, int c, const QString& text);
    // Sizes signs (zeros) and guarantee (empty texts) to the counts.
    void resizeToCounts();
    // A pool has 13 matches: a system of more guarded matches is no system any window takes.
    static constexpr int MaxGuarded = 13;
    bool fitsThirteenMatches() const { return guarded <= MaxGuarded; }
    // The comment is guarantee cell (0,2); a grid of fewer than 3 columns has none.
    QString comment() const { return gCols > 2 ? guaranteeCell(0, 2) : QString(); }
};

struct SystemFileData : SystemBlock {
    std::uint8_t magic = kSystemFileMagic;
};

// The byte for a grid cell: the Windows-1252 code of its first character, 0 when empty.
std::uint8_t signByteOf(const QString& cellText);
// The cell text for a byte: the one character with that code (byte 0 gives the character 0).
QString signTextOf(std::uint8_t code);

// Byte-exact file. Raises VbError 6 when a count does not fit its field or a text is longer than
// 65535 bytes, and 5 when signs or guarantee do not match the counts.
QByteArray writeSystemFile(const SystemFileData& data);

enum class FileReadStatus {
    Ok,
    WrongType,  // first byte not one this reader takes: MessageText 39, nothing else read
    Damaged  // truncated or corrupt: `error` says how (62 past the end, 321 invalid structure)
};

// How far a system file was read. Counts: the counts are sound and signs holds the part of the sign
// block that the file had. Signs: the whole sign block was read; of the guarantee block, the first
// guarantee.size() cells (column first). Before Counts the data holds nothing but, from Magic on,
// the magic byte.
enum class SystemReadStage { None, Magic, Counts, Signs, Complete };

struct SystemFileRead {
    FileReadStatus status = FileReadStatus::Ok;
    SystemReadStage reached = SystemReadStage::None;
    SystemFileData data;
    std::optional<VbError> error;  // set when Damaged
};

enum class MagicCheck {
    Ignore,  // "Editera system" reads any first byte
    Require  // a frame slot takes only magic 5
};

// Never throws. A header is taken only when its counts are sound (R, M, H not negative, H <= M);
// the blocks are read as far as the bytes go, so nothing is allocated for counts the file does not hold.
// A type byte other than 0 and 1 is reported as read; the caller decides.
SystemFileRead readSystemFile(QByteArrayView bytes, MagicCheck check = MagicCheck::Ignore);

// The block shared with the frame file, on an open reader or writer. readSystemBlock raises VbError
// when damaged; it leaves `out` untouched until sound counts have been read and then sets
// `countsRead`, after which the sign bytes and the guarantee cells are filled in as far as they go.
void writeSystemBlock(ByteWriter& w, const SystemBlock& block);
void readSystemBlock(ByteReader& r, SystemBlock& out, bool& countsRead);
