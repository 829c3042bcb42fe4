#include "frame/rowcreation.h"

#include "platform/vbcodes.h"
#include "platform/vbtext.h"
#include "shell/texts/textids.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <random>

namespace rowcreation {

namespace {

constexpr int kStride = 14;  // matches 0..13 per row; 13 is never written
constexpr long long kFullFrame = 1594323;  // 3^13

// The equal-row search keys a row by its 13 two-bit signs; from this many rows on a bitmap of every
// possible key (8 MiB) is smaller and faster than a hash table.
constexpr long long kBitmapFrom = 1LL << 19;
constexpr unsigned long long kBitmapBytes = (1ULL << 26) / 8;

std::uint32_t packRow(const std::uint8_t* row)
{
    std::uint32_t key = 0;
    for (int m = 0; m < kMatches; ++m)
        key |= static_cast<std::uint32_t>(row[m] & 3U) << (2 * m);
    return key;
}

unsigned hashBits(long long count)
{
    unsigned bits = 4;
    while ((1LL << bits) < 2 * count)
        ++bits;
    return bits;
}

unsigned long long tableBytes(long long count)
{
    if (count >= kBitmapFrom)
        return kBitmapBytes;
    return (1ULL << hashBits(count)) * sizeof(std::uint32_t);
}

// Which packed rows have been seen.
class SeenRows {
public:
    explicit SeenRows(long long count)
    {
        if (count >= kBitmapFrom) {
            bitmap_.assign(kBitmapBytes / 8, 0);
        } else {
            bits_ = hashBits(count);
            table_.assign(std::size_t{1} << bits_, 0);
        }
    }
    // True when key was not seen before.
    bool insert(std::uint32_t key)
    {
        if (!bitmap_.empty()) {
            std::uint64_t& word = bitmap_[key >> 6];
            const std::uint64_t bit = std::uint64_t{1} << (key & 63);
            if (word & bit)
                return false;
            word |= bit;
            return true;
        }
        const std::uint32_t stored = key + 1;  // 0 marks an empty slot
        const std::size_t mask = table_.size() - 1;
        std::size_t i = (static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ULL) >> (64 - bits_);
        while (table_[i] != 0) {
            if (table_[i] == stored)
                return false;
            i = (i + 1) & mask;
        }
        table_[i] = stored;
        return true;
    }

private:
    std::vector<std::uint64_t> bitmap_;
    std::vector<std::uint32_t> table_;
    unsigned bits_ = 0;
};

bool stopNow(const StopCheck& stop) { return stop && stop(); }

struct SlotCounts {
    int half = 0;  // placeradhalv
    int full = 0;  // placeradhel
};

int markCount(const MatchInput& m) { return int(m.marked[0]) + int(m.marked[1]) + int(m.marked[2]); }

// The recount the mode switch makes for slot s before the slot is checked or used.
SlotCounts countSlot(const FrameInput& in, int s)
{
    SlotCounts c;
    for (const MatchInput& m : in.matches) {
        if (m.type != frame::systemMatchType(s))
            continue;
        const int n = markCount(m);
        if (n == 2)
            ++c.half;
        else if (n == 3)
            ++c.full;
    }
    return c;
}

std::uint8_t systemSignIndex(char t)
{
    switch (t) {
    case '1':
        return 0;
    case 'X':
        return 1;
    case '2':
        return 2;
    default:
        return 3;
    }
}

char gridCell(const SlotInput& slot, long long row, long long col)
{
    if (row < 1 || col < 1 || row > static_cast<long long>(slot.grid.size()))
        return 0;
    const std::string& r = slot.grid[static_cast<std::size_t>(row - 1)];
    if (col > static_cast<long long>(r.size()))
        return 0;
    return r[static_cast<std::size_t>(col - 1)];
}

// Rows r of the combination cannot exceed this; saturates instead of overflowing.
long long combinationCount(const FrameInput& in, long long ceiling)
{
    long long product = 1;
    auto times = [&](long long f) {
        if (f <= 0) {
            product = 0;
        } else if (product > ceiling / f) {
            product = ceiling + 1;
        } else {
            product *= f;
        }
        product = std::min(product, ceiling + 1);
    };
    for (int s = 0; s < 3; ++s) {
        const SlotCounts c = countSlot(in, s);
        if (c.half + c.full != 0)
            times(in.slots[s].rows);
    }
    for (const MatchInput& m : in.matches)
        if (m.type == frame::MatchType::Matematisk)
            times(markCount(m));
    return product;
}

}  // namespace

std::array<double, 3> percentValuesFromText(const QString& percentText)
{
    const QString pieces[3] = {percentText.mid(1, 5), percentText.mid(6, 5), percentText.right(4)};
    std::array<double, 3> p{};
    for (int k = 0; k < 3; ++k) {
        QString digits = pieces[k];
        digits.remove(u' ');
        p[k] = std::clamp(std::nearbyint(vb::Val(digits)), 0.0, 255.0);
    }
    return p;
}

MarkCounts markCounts(const FrameInput& in)
{
    MarkCounts c;
    for (int m = 0; m < kMatches; ++m) {
        const MatchInput& mi = in.matches[m];
        c.antalmarkerade[m] = static_cast<std::uint8_t>(markCount(mi));
        c.ettamarkerad[m] = mi.marked[0] ? 1 : 0;
    }
    return c;
}

std::optional<SlotFailure> checkSlots(const FrameInput& in)
{
    for (int s = 0; s < 3; ++s) {
        const SlotInput& slot = in.slots[s];
        const SlotCounts c = countSlot(in, s);
        const int allowedHalf = slot.guarded - slot.fullGuards;
        if (c.half > allowedHalf)
            return SlotFailure{s, kMsgSlotTooManyHalf};
        if (c.full != 0 || c.half != 0) {
            if (c.full != slot.fullGuards)
                return SlotFailure{s, kMsgSlotFullGuardsShort};
            if (c.half != allowedHalf)
                return SlotFailure{s, kMsgSlotHalfGuardsShort};
        }
    }
    return std::nullopt;
}

SignMap signMap(std::uint8_t slotType, const std::array<bool, 3>& marked, std::uint8_t startRowSign)
{
    SignMap map;
    if (slotType == 0) {
        const int pattern = (marked[0] ? 1 : 0) | (marked[1] ? 2 : 0) | (marked[2] ? 4 : 0);
        switch (pattern) {
        case 1 | 2:
            map.sign = {1, 0, 2};
            map.pointer = GuardPointer::Half;
            break;  // "1X"
        case 2 | 4:
            map.sign = {2, 0, 3};
            map.pointer = GuardPointer::Half;
            break;  // "X2"
        case 1 | 4:
            map.sign = {1, 0, 3};
            map.pointer = GuardPointer::Half;
            break;  // "12"
        case 1 | 2 | 4:
            map.sign = {1, 2, 3};
            map.pointer = GuardPointer::Full;
            break;
        default:
            break;
        }
        return map;
    }
    if (slotType != 1 || startRowSign > 2 || !marked[startRowSign])
        return map;
    // The black cell is the base-row sign; the others, in the order "1", "X", "2".
    std::uint8_t others[3];
    int n = 0;
    for (int c = 0; c < 3; ++c)
        if (marked[c] && c != startRowSign)
            others[n++] = static_cast<std::uint8_t>(c + 1);
    const auto base = static_cast<std::uint8_t>(startRowSign + 1);
    if (n == 1) {
        map.sign = {base, 0, others[0]};
        map.pointer = GuardPointer::Half;
    } else if (n == 2) {
        map.sign = {base, others[0], others[1]};
        map.pointer = GuardPointer::Full;
    }
    return map;
}

namespace {

bool passes(const std::uint8_t* row, const FilterBounds& b)
{
    int c[4] = {0, 0, 0, 0};
    for (int m = 0; m < kMatches; ++m)
        ++c[row[m] & 3];
    for (int k = 0; k < 3; ++k)
        if (!(b.min[k] <= c[k + 1] && c[k + 1] <= b.max[k]))
            return false;
    return true;
}

}  // namespace

long long countFiltered(const RowMatrix& in, long long count, const FilterBounds& b, const StopCheck& stop)
{
    long long kept = 0;
    for (long long j = 0; j < count; ++j) {
        if (j % kStopCadence == 0 && stopNow(stop))
            return -1;
        kept += passes(in.row(j), b);
    }
    return kept;
}

RowMatrix filterRows(const RowMatrix& in, long long count, const FilterBounds& b, long long kept, const StopCheck& stop)
{
    RowMatrix out(in.upperMatch(), kept);
    long long n = 0;
    for (long long j = 0; j < count && n < kept; ++j) {
        if (j % kStopCadence == 0 && stopNow(stop))
            return RowMatrix();
        if (passes(in.row(j), b))
            std::memcpy(out.row(n++), in.row(j), static_cast<std::size_t>(in.stride()));
    }
    return out;
}

long long removeEqualRows(RowMatrix& m, long long count, const StopCheck& stop, bool* stopped)
{
    if (stopped)
        *stopped = false;
    if (count <= 1)
        return count;
    const auto stride = static_cast<std::size_t>(m.stride());
    SeenRows seen(count);
    // From the back: a row survives when no equal row follows it. Survivors gather at the end in
    // their order and move to the front at the end.
    long long w = count;
    for (long long i = count - 1; i >= 0; --i) {
        if ((count - 1 - i) % kStopCadence == 0 && stopNow(stop)) {
            if (stopped)
                *stopped = true;
            return count;
        }
        if (seen.insert(packRow(m.row(i)))) {
            --w;
            if (w != i)
                std::memcpy(m.row(w), m.row(i), stride);
        }
    }
    const long long left = count - w;
    if (w != 0)
        std::memmove(m.row(0), m.row(w), static_cast<std::size_t>(left) * stride);
    std::memset(m.row(left), 0, static_cast<std::size_t>(w) * stride);
    return left;
}

unsigned long long peakBytes(long long rows, bool filter, bool removeEqualRows)
{
    const auto matrix = static_cast<unsigned long long>(rows + 1) * kStride;
    unsigned long long bytes = matrix;
    if (filter) {
        bytes += matrix;
        if (removeEqualRows)
            bytes += tableBytes(rows);
    }
    return bytes;
}

MemoryLimits MemoryLimits::forThisMachine()
{
    // No sound frame has more rows than 3^13 (every match fully guarded); the margin leaves room
    // for odd systems while a product of runaway system sizes is refused before any allocation.
    MemoryLimits l{8 * kFullFrame, 4ULL << 30};
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        l.maxBytes = static_cast<unsigned long long>(pages) * static_cast<unsigned long long>(pageSize) / 2;
    return l;
}

namespace {

class ProgramRandom final : public UniformSource {
public:
    ProgramRandom() : engine_(std::random_device{}()) { }
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

}  // namespace

UniformSource& programRandom()
{
    static ProgramRandom random;
    return random;
}

namespace {

// What the work matrix (arbetsmatris) says of one match: a constant sign, the rows of system slot
// 0..2, a percent draw, or a mathematical guard over its n marked signs.
enum class WorkKind { Constant, Slot1, Slot2, Slot3, Percent, Mathematical };

struct MatchWork {
    WorkKind kind = WorkKind::Constant;
    std::vector<std::uint8_t> signs;  // signs[j - 1] = column j
    std::uint8_t column(long long j) const
    {
        return j >= 1 && j <= static_cast<long long>(signs.size()) ? signs[static_cast<std::size_t>(j - 1)] : 0;
    }
};

// Draws the signs of a percent match into rows 0..rows-1. Returns false when stopped.
bool drawPercent(
    RowMatrix& out, int m, long long rows, const std::array<double, 3>& p, UniformSource& random, const StopCheck& stop)
{
    const double r = static_cast<double>(rows);
    double q[4] = {0, p[0] / 100 * r + 0.3, p[1] / 100 * r + 0.3, p[2] / 100 * r + 0.3};
    // Row 0 and what the truncation leaves over go to the largest quota; ties to the earlier sign.
    if (q[1] >= q[2] && q[1] >= q[3]) {
        out.at(m, 0) = 1;
        q[1] = r - std::floor(q[2]) - std::floor(q[3]) - 1;
    } else if (q[2] >= q[1] && q[2] >= q[3]) {
        out.at(m, 0) = 2;
        q[2] = r - std::floor(q[1]) - std::floor(q[3]) - 1;
    } else {
        out.at(m, 0) = 3;
        q[3] = r - std::floor(q[1]) - std::floor(q[2]) - 1;
    }
    for (int k = 1; k <= 3; ++k)
        q[k] = std::floor(q[k]);
    auto draw = [&random](int n) { return std::min(static_cast<int>(std::floor(random.next() * n)), n - 1); };
    for (long long j = 1; j < rows; ++j) {
        if (j % kStopCadence == 0 && stopNow(stop))
            return false;
        // Every draw is taken, also those a later test overrides: the sequence must match.
        int s = draw(3) + 1;
        if (q[1] == 0)
            s = draw(2) + 2;
        if (q[2] == 0) {
            s = draw(2) + 1;
            if (s == 2)
                s = 3;
        }
        if (q[3] == 0)
            s = draw(2) + 1;
        if (q[1] == 0 && q[2] == 0)
            s = 3;
        if (q[1] == 0 && q[3] == 0)
            s = 2;
        if (q[2] == 0 && q[3] == 0)
            s = 1;
        q[s] -= 1;
        out.at(m, j) = static_cast<std::uint8_t>(s);
    }
    return true;
}

// The work matrix: what every match contributes, and how many rows each slot and the
// mathematical guards multiply in.
struct WorkMatrix {
    std::array<MatchWork, kMatches> matches;
    std::array<long long, 3> slotRows{1, 1, 1};
    long long mathRows = 1;
};

// The matches of system slot s take their signs from the slot's grid, half guards from the first
// grid rows and full guards after them.
void addSlotMatches(const FrameInput& in, int s, WorkMatrix& work)
{
    const SlotInput& slot = in.slots[s];
    const SlotCounts c = countSlot(in, s);
    if (c.half + c.full != 0)
        work.slotRows[s] = slot.rows;
    long long halfRow = 1;
    long long fullRow = slot.guarded - slot.fullGuards + 1;
    for (int m = 0; m < kMatches; ++m) {
        const MatchInput& mi = in.matches[m];
        if (mi.type != frame::systemMatchType(s))
            continue;
        MatchWork& w = work.matches[m];
        w.kind = static_cast<WorkKind>(static_cast<int>(WorkKind::Slot1) + s);
        w.signs.assign(static_cast<std::size_t>(std::max(0, slot.rows)), 0);
        const SignMap map = signMap(slot.type, mi.marked, mi.startRowSign);
        if (map.pointer == GuardPointer::None)
            continue;
        const long long gridRow = map.pointer == GuardPointer::Half ? halfRow++ : fullRow++;
        for (int j = 1; j <= slot.rows; ++j) {
            const std::uint8_t k = systemSignIndex(gridCell(slot, gridRow, j));
            if (k < 3 && map.sign[k] != 0)
                w.signs[static_cast<std::size_t>(j - 1)] = map.sign[k];
        }
    }
}

// Mathematical guards list their marked signs; singles and unknown types hold one constant sign.
void addOtherMatches(const FrameInput& in, WorkMatrix& work)
{
    for (int m = 0; m < kMatches; ++m) {
        const MatchInput& mi = in.matches[m];
        MatchWork& w = work.matches[m];
        if (mi.type == frame::MatchType::Matematisk) {
            for (int c = 0; c < 3; ++c)
                if (mi.marked[c])
                    w.signs.push_back(static_cast<std::uint8_t>(c + 1));
            work.mathRows *= static_cast<long long>(w.signs.size());
            w.kind = WorkKind::Mathematical;
        } else if (mi.type == frame::MatchType::Procent) {
            w.kind = WorkKind::Percent;  // drawn after the combination
        } else if (mi.type == frame::MatchType::None || mi.type > frame::MatchType::Matematisk) {
            std::uint8_t sign = 0;  // the last marked cell wins; an unknown type marks nothing
            for (int c = 0; c < 3; ++c)
                if (mi.type == frame::MatchType::None && mi.marked[c])
                    sign = static_cast<std::uint8_t>(c + 1);
            w.signs.assign(1, sign);
        }
    }
}

WorkMatrix workMatrix(const FrameInput& in)
{
    WorkMatrix work;
    for (int s = 0; s < 3; ++s)
        addSlotMatches(in, s, work);
    addOtherMatches(in, work);
    return work;
}

// Rows 0.. of the combination: System 1's row slowest, the first mathematical guard fastest.
// False when stopped.
bool combine(const WorkMatrix& work, RowMatrix& out, const StopCheck& stop)
{
    std::vector<int> oddMatches;  // mathematical guards of two or three signs, in match order
    for (int m = 0; m < kMatches; ++m)
        if (work.matches[m].kind == WorkKind::Mathematical && work.matches[m].signs.size() >= 2)
            oddMatches.push_back(m);
    std::uint8_t digit[15] = {};
    std::uint8_t base[kStride] = {};
    long long r = 0;
    for (long long t = 0; t < work.slotRows[0]; ++t) {
        for (long long u = 0; u < work.slotRows[1]; ++u) {
            for (long long v = 0; v < work.slotRows[2]; ++v) {
                const long long slotRow[3] = {t + 1, u + 1, v + 1};
                for (int m = 0; m < kMatches; ++m) {
                    const MatchWork& w = work.matches[m];
                    switch (w.kind) {
                    case WorkKind::Slot1:
                    case WorkKind::Slot2:
                    case WorkKind::Slot3:
                        base[m] = w.column(slotRow[static_cast<int>(w.kind) - static_cast<int>(WorkKind::Slot1)]);
                        break;
                    case WorkKind::Constant:
                        base[m] = w.column(1);
                        break;
                    default:
                        base[m] = 0;
                        break;
                    }
                }
                for (long long x = 0; x < work.mathRows; ++x, ++r) {
                    if (r % kStopCadence == 0 && stopNow(stop))
                        return false;
                    std::uint8_t* row = out.row(r);
                    std::memcpy(row, base, kStride);
                    bool carry = false;
                    for (std::size_t k = 0; k < oddMatches.size(); ++k) {
                        const MatchWork& w = work.matches[oddMatches[k]];
                        row[oddMatches[k]] = w.signs[digit[k]];
                        if (k == 0)
                            ++digit[0];
                        if (carry) {
                            carry = false;
                            ++digit[k];
                        }
                        if (digit[k] == static_cast<std::uint8_t>(w.signs.size())) {
                            digit[k] = 0;
                            carry = true;
                        }
                    }
                }
            }
        }
    }
    return true;
}

// Percent draws and the constant signs of rows beyond the combination. False when stopped.
bool drawAndFill(const FrameInput& in, const WorkMatrix& work, RowMatrix& out, long long rows, UniformSource& random,
    const StopCheck& stop)
{
    for (int m = 0; m < kMatches; ++m) {
        if (stopNow(stop))
            return false;
        const MatchInput& mi = in.matches[m];
        if (mi.type == frame::MatchType::Procent) {
            if (!drawPercent(out, m, rows, mi.percent, random, stop))
                return false;
        } else if (work.matches[m].kind == WorkKind::Constant) {
            const std::uint8_t sign = work.matches[m].column(1);
            for (long long j = 1; j < rows; ++j)
                out.at(m, j) = sign;
        }
    }
    return true;
}

// Rows the run makes, or -1 when the frame cannot be held: refused before anything is allocated.
long long plannedRows(const FrameInput& in, const MemoryLimits& limits)
{
    const double total = in.rowTotal;
    if (!(total <= static_cast<double>(limits.maxRows)))  // also NaN
        return -1;
    long long rows = std::max(0LL, static_cast<long long>(std::nearbyint(total)));
    // The combination must fit in the matrix even if the row total is stale.
    rows = std::max(rows, combinationCount(in, limits.maxRows));
    if (rows > limits.maxRows || peakBytes(rows, in.filter, in.removeEqualRows) > limits.maxBytes)
        return -1;
    return rows;
}

// The filter and the equal-row removal. On success `out` holds the rows left (`left` of them, the
// empty row after them); when stopped, emptied or short of memory it keeps the unfiltered rows.
Outcome filterStep(const FrameInput& in, RowMatrix& out, long long rows, const StopCheck& stop, long long& left)
{
    const long long kept = countFiltered(out, rows, in.bounds, stop);
    if (kept < 0)
        return Outcome::Cancelled;
    if (kept == 0)
        return Outcome::FilterRemovedAll;
    RowMatrix filtered;
    try {
        filtered = filterRows(out, rows, in.bounds, kept, stop);
        if (filtered.empty())
            return Outcome::Cancelled;
        left = kept;
        if (in.removeEqualRows) {
            bool stopped = false;
            left = removeEqualRows(filtered, kept, stop, &stopped);
            if (stopped)
                return Outcome::Cancelled;
        }
    } catch (const std::bad_alloc&) {
        return Outcome::OutOfMemory;
    }
    // The freed rows after the survivors are already zero: the last one left is the empty row.
    filtered.truncateRows(left);
    out = std::move(filtered);
    return left == rows ? Outcome::FilterKeptAll : Outcome::FilterRemoved;
}

Result ended(Result res, Outcome outcome, RowMatrix&& rows)
{
    res.outcome = outcome;
    res.rows = std::move(rows);
    return res;
}

}  // namespace

Result createRows(const FrameInput& in, UniformSource& random, const StopCheck& stop, const MemoryLimits& limits)
{
    Result res;
    res.outcome = Outcome::OutOfMemory;  // until the rows are held
    const long long rows = plannedRows(in, limits);
    if (rows < 0)
        return res;
    RowMatrix out;
    try {
        out = RowMatrix(kStride - 1, rows);
    } catch (const std::bad_alloc&) {
        return res;
    }

    if (const auto failure = checkSlots(in)) {
        res.failedSlot = failure->slot;
        res.slotMessage = failure->message;
        return ended(std::move(res), Outcome::SlotInvalid, std::move(out));
    }
    res.marks = markCounts(in);
    res.marksRecorded = true;

    const WorkMatrix work = workMatrix(in);
    if (!combine(work, out, stop) || !drawAndFill(in, work, out, rows, random, stop))
        return ended(std::move(res), Outcome::Cancelled, std::move(out));

    res.total = rows;
    if (!in.filter) {
        res.left = rows;
        return ended(std::move(res), Outcome::Created, std::move(out));
    }
    long long left = 0;
    const Outcome filtered = filterStep(in, out, rows, stop, left);
    if (filtered == Outcome::OutOfMemory)
        return res;  // forminne stays as it was
    if (filtered == Outcome::FilterKeptAll || filtered == Outcome::FilterRemoved)
        res.left = left;
    return ended(std::move(res), filtered, std::move(out));
}

std::optional<Message> messageFor(const Result& r, const std::function<QString(MessageTextId)>& messageText)
{
    auto number = [](long long n) { return QString::number(n); };
    switch (r.outcome) {
    case Outcome::FilterKeptAll:
        return Message{messageText(kMsgFilterKeptAll) + number(r.left), vbmsg::Information};
    case Outcome::FilterRemoved:
        return Message{messageText(kMsgFilterRemoved) + number(r.total - r.left) + messageText(kMsgFilterOfAll) +
                number(r.total) + messageText(kMsgFilterNowLeft) + number(r.left) + messageText(kMsgFilterRows),
            vbmsg::Information};
    case Outcome::FilterRemovedAll:
        return Message{messageText(kMsgFilterRemovedAll), vbmsg::Exclamation};
    case Outcome::SlotInvalid:
        return Message{
            messageText(kMsgSlotInvalid) + number(r.failedSlot + 1) + messageText(r.slotMessage), vbmsg::Exclamation};
    case Outcome::Created:
    case Outcome::Cancelled:
    case Outcome::OutOfMemory:
        break;
    }
    return std::nullopt;
}

}  // namespace rowcreation
