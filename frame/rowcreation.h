#pragma once
// "Skapa" without its window: turns what a frame holds (marks, match types, the systems in its
// slots, percent matches, filter settings) into its rows, forminne. The window reads its controls
// into a FrameInput, calls createRows and shows what the Result says; nothing here touches a widget.

#include "core/framecodes.h"
#include "core/rowmatrix.h"
#include "shell/texts/textids.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rowcreation {

constexpr int kMatches = frame::MatchCount;
constexpr std::uint8_t kNoStartRow = frame::NoStartRowSign;

// One match m, as the frame shows it.
struct MatchInput {
    std::array<bool, 3> marked{};  // cells 3m, 3m+1, 3m+2 ("1", "X", "2") show their sign
    frame::MatchType type = frame::MatchType::None;  // systyp(m)
    std::uint8_t startRowSign = kNoStartRow;  // base-row slot: column 0..2 of the marked cell drawn black
    std::array<double, 3> percent{};  // Procent match: p1, pX, p2 (see percentValuesFromText)
};

// p1, pX, p2 of a Procent match read back from its tag (Label5(m), the PercentText): the 5
// characters from position 2, the 5 from position 7 and the last 4, blanks ignored, each taken as
// a whole number 0..255. A piece that is no number counts as its leading number (0 when none), as
// the percent boxes were summed when the match was placed.
std::array<double, 3> percentValuesFromText(const QString& percentText);

// One system slot s.
struct SlotInput {
    std::uint8_t type = 0;  // slottyp: 0 without base row, 1 with
    int rows = 0;  // sysrader: system rows R
    int guarded = 0;  // sysgard: guarded positions M (half + full guards)
    int fullGuards = 0;  // syshelgard: full guards H
    // Grid1(s) without its fixed row and column: grid[k - 1][j - 1] is the text of grid row k
    // (guarded position) and column j (system row), '1', 'X' or '2'; any other byte is no sign.
    // Missing cells count as no sign.
    std::vector<std::string> grid;
};

// filtertext(0..5), each read as Val of its text.
struct FilterBounds {
    std::array<double, 3> max{12, 10, 11};  // largest number of "1", "X", "2" in a row
    std::array<double, 3> min{2, 0, 1};  // smallest
};

struct FrameInput {
    std::array<MatchInput, kMatches> matches{};
    std::array<SlotInput, 3> slots{};
    // R: the numeric value of Allrad's caption. For a frame whose only guards are percent matches
    // the editor has already put Text2's row count there.
    double rowTotal = 1;
    bool filter = false;  // filtercheck ticked
    FilterBounds bounds;
    bool removeEqualRows = false;  // LikaRaderCheck ticked (only counts with the filter)
};

// Per match: how many of its cells show their sign, and whether "1" is one of them. Recorded for
// the frame guarantee on every successful "Skapa" and on the shortcut that re-shows stored rows.
struct MarkCounts {
    std::array<std::uint8_t, 14> antalmarkerade{};
    std::array<std::uint8_t, 14> ettamarkerad{};
};
MarkCounts markCounts(const FrameInput& in);

enum class Outcome {
    Created,  // no filter: show the coupon view, skapat = True
    FilterKeptAll,  // filter removed nothing: kMsgFilterKeptAll & left, then the coupon view
    FilterRemoved,  // kMsgFilterRemoved .. kMsgFilterRows with total - left, total, left, then the coupon view
    FilterRemovedAll,  // kMsgFilterRemovedAll, then Visaram_Click; skapat stays False
    SlotInvalid,  // kMsgSlotInvalid & (failedSlot + 1) & slotMessage, then the abort path
    Cancelled,  // "Avbryt" was seen: the abort path, no message
    OutOfMemory,  // the rows cannot be held: kMsgOutOfMemory, the abort path, forminne untouched
};

struct Result {
    Outcome outcome = Outcome::Cancelled;
    int failedSlot = -1;  // SlotInvalid: slot 0..2; the window leaves that slot's mode selected
    MessageTextId slotMessage;  // SlotInvalid: the message id of checkSlots
    long long total = 0;  // allradram: rows created before the filter
    long long left = 0;  // rows in `rows` that Allrad shows afterwards (total without the filter)
    // The new forminne, bounds (0..13, 0..left) with the last row empty. After SlotInvalid it is
    // all zero, after Cancelled partly written, after FilterRemovedAll the unfiltered rows: the frame
    // keeps forminne so in each case. Empty after OutOfMemory: the frame keeps its previous forminne then.
    RowMatrix rows;
    bool marksRecorded = false;  // marks holds this run's antalmarkerade / ettamarkerad
    MarkCounts marks;
};

// A message box the window shows for a result: text and MsgBox style. None for Created,
// Cancelled and OutOfMemory (the window shows kMsgOutOfMemory itself for the latter).
struct Message {
    QString text;
    int style = 0;
};
std::optional<Message> messageFor(const Result& r, const std::function<QString(MessageTextId)>& messageText);

// Asked about every 4096 rows (and between the passes); true stops the run (Cancelled).
// The window passes [&] { return yielder.step(); } with a Yielder whose stop test reads avbrytskapa.
using StopCheck = std::function<bool()>;
constexpr long long kStopCadence = 4096;

// Uniform draws from [0, 1). The program has one (programRandom), never reseeded; tests script theirs.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double next() = 0;
};
UniformSource& programRandom();

// What a run may allocate. A frame beyond either limit is refused before anything is allocated.
struct MemoryLimits {
    long long maxRows;  // rows of one frame
    unsigned long long maxBytes;  // peak bytes of one run (matrices and the equal-row table)
    static MemoryLimits forThisMachine();  // 8 x 3^13 rows, and half of the physical memory
};
// Peak bytes a run of `rows` rows may need with these options (what maxBytes is compared with).
unsigned long long peakBytes(long long rows, bool filter, bool removeEqualRows);

Result createRows(const FrameInput& in, UniformSource& random, const StopCheck& stop = {},
    const MemoryLimits& limits = MemoryLimits::forThisMachine());

// --- The steps on their own (tests and benchmarks) ---

// Slot check: the first failing slot and its message (kMsgSlotTooManyHalf, kMsgSlotFullGuardsShort,
// kMsgSlotHalfGuardsShort), or nullopt when all are sound.
struct SlotFailure {
    int slot;
    MessageTextId message;
};
std::optional<SlotFailure> checkSlots(const FrameInput& in);

// How a match of a system slot turns the system's signs '1', 'X', '2' into SignCodes.
enum class GuardPointer { None, Half, Full };
struct SignMap {
    std::array<std::uint8_t, 3> sign{};  // SignCode for system sign "1", "X", "2"; 0 writes nothing
    GuardPointer pointer = GuardPointer::None;
};
SignMap signMap(std::uint8_t slotType, const std::array<bool, 3>& marked, std::uint8_t startRowSign);

// Rows of `in` (0..count-1) whose numbers of "1", "X", "2" lie within the bounds, in order:
// first counted, then copied into a matrix of just that size. Both give -1 / an empty matrix
// when stop answers true.
long long countFiltered(const RowMatrix& in, long long count, const FilterBounds& b, const StopCheck& stop = {});
RowMatrix filterRows(
    const RowMatrix& in, long long count, const FilterBounds& b, long long kept, const StopCheck& stop = {});

// Drops, in place, every row among 0..count-1 that an equal row (matches 0..12, SignCodes 0..3)
// follows: the last of each group survives, survivors keep their order; the freed rows are zeroed.
// Returns the new count; linear time. When stop answers true it sets *stopped and returns count,
// and the rows are left in no particular state.
long long removeEqualRows(RowMatrix& m, long long count, const StopCheck& stop = {}, bool* stopped = nullptr);

}  // namespace rowcreation
