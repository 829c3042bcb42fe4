#pragma once
// The frame file (*.1X2): a whole system frame as bytes: the three system slots, the 39 sign cells
// with their match types and base-row signs, the created rows and the frame's options. Also the plan
// by which a frame rebuilds itself from it: its own mode choices and cell clicks, in order.

#include "core/framecodes.h"
#include "core/rowmatrix.h"
#include "shell/systemfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

constexpr std::uint8_t kFrameFileVersion = 11;
constexpr std::uint8_t kFrameFileVersionNoEqualRows = 10;
constexpr int kFilterBounds = 6;
constexpr std::uint8_t kUnmarkedCell = '0';

struct FrameSlot {
    SystemBlock system;  // from Grid1(s), Grid3(s), Grid1(s).Tag and System(s).Tag
    QString name;  // Label3(s): the system's file title, or the empty-slot text
};

struct FrameFileData {
    std::uint8_t version = kFrameFileVersion;  // as read; the writer always writes 11
    std::array<FrameSlot, frame::SlotCount> slotBlocks;
    // Cell records. A cell's sign byte is '1', 'X' or '2' when marked, '0' when not. Match type and
    // base-row sign are per match (the file repeats them in the three records of a match).
    std::array<std::uint8_t, frame::CellCount> cellSigns;
    std::array<frame::MatchType, frame::MatchCount> matchTypes{};
    std::array<std::uint8_t, frame::MatchCount> startRowSigns;  // 0, 1, 2 or 254
    std::array<QString, frame::MatchCount> percentTexts;  // on file only for Procent matches
    // forminne. On file: U1 = upperMatch (a byte), U2 = upperRow (an int32), then element (i, j)
    // for i < U1 and, inside, j < U2; the elements at index U1 or U2 are not written (they read
    // back as 0). A frame that never created rows has bounds (1, 1).
    RowMatrix rowMatrix{1, 1};
    std::uint8_t filterOn = 0;  // filtercheck
    std::array<QString, kFilterBounds> filterBounds;  // filtertext(0..5)
    std::int32_t createdRows = 0;  // temptempallrad
    std::int32_t rowTotal = 0;  // Allrad as a whole number
    std::uint8_t removeEqualRows = 0;  // LikaRaderCheck; not in version 10
    QString percentOnlyRows;  // Text2
    std::int16_t created = 0;  // skapat: -1 or 0

    FrameFileData();
    bool marked(int cell) const { return cellSigns[std::size_t(cell)] != kUnmarkedCell; }
};

// Field a of a cell record: the first character of the caption, '0' for an empty caption.
std::uint8_t cellSignByteOf(const QString& caption);
// Field c: the column (0 "1", 1 "X", 2 "2") of the first of the match's three cells that is black
// (ForeColor 0) and shows its own sign; 254 when none.
std::uint8_t startRowSignOf(const std::array<QString, 3>& captions, const std::array<std::uint32_t, 3>& foreColors);
// A slot whose name is "Inget system" or "Ei järjestelmää " is empty.
bool isEmptySlotName(const QString& name);

// The filter of the frame's open and save dialogs: frame files, then "Alla filer".
QString frameFileFilter();

// Version 11, byte-exact. Raises VbError 6 when a count does not fit its field, 5 when a block
// does not match its counts or a base-row sign is not 0, 1, 2 or 254.
QByteArray writeFrameFile(const FrameFileData& data);

// Sections of a frame file in file order. `reached` is the last section read completely; a version
// 10 file goes from RowTotal straight on to PercentOnlyRows.
enum class FrameReadStage {
    None,
    Version,  // the version byte (filbyte) is read, also when it is refused
    Slots,  // all three slot blocks
    CellRecords,  // all 39 records
    RowMatrix,
    FilterOn,
    FilterBounds,  // all six
    CreatedRows,
    RowTotal,
    RemoveEqualRows,  // version 11 only
    PercentOnlyRows,
    Complete  // skapat read
};

struct FrameFileRead {
    FileReadStatus status = FileReadStatus::Ok;
    FrameReadStage reached = FrameReadStage::None;
    // Before Slots: slotsRead whole slot blocks were read; when slotSignsRead, the next slot's counts
    // were read too, with as much of its sign and guarantee blocks as the file held, no name.
    int slotsRead = 0;
    bool slotSignsRead = false;
    // Before FilterBounds: this many filter texts were read.
    int filterBoundsRead = 0;
    FrameFileData data;
    std::optional<VbError> error;  // set when Damaged
};

// Never throws. A version other than 10 and 11 is WrongType. Counts are checked against the bytes
// left before anything is sized for them; negative counts, a row count U2 above 3^13 with U1 = 0
// (no bytes to bound it), an unknown tag or a base-row sign other than 0, 1, 2 and 254 make the file Damaged. Bytes
// after the last field are ignored. For version 10, removeEqualRows is not read: the check box keeps its value.
FrameFileRead readFrameFile(QByteArrayView bytes);

// One step of rebuilding a frame from its file, in the frame's own handlers.
struct ReplayStep {
    enum class Kind {
        ChooseMode,  // Option1_Click(index)
        ClickCell,  // Label1_Click(index)
        SetPercentText  // Label5(index).Caption = text
    };
    Kind kind;
    int index;
    QString text;
    bool operator==(const ReplayStep&) const = default;
};

// The mode choices and cell clicks that rebuild the frame from the cell records, in the order the
// frame makes them: a base-row system's black cell first in its match. Needs the slot types and
// the cell records (reached >= CellRecords).
std::vector<ReplayStep> replaySteps(const FrameFileData& data);
