#include "systems/frameguarantee.h"

#include "platform/vbtext.h"

#include <algorithm>
#include <vector>

// The step-by-step method walks every row's neighbours, pairs and triples of changed matches. Here the
// outcome table is filled breadth first from all rows at once: the outcomes at distance d + 1 are the
// unmarked neighbours of those at distance d, so each outcome is expanded at most once, whatever the
// number of rows. When the frontier outnumbers the outcomes still unmarked, the level is found the
// other way round: each unmarked outcome looks for a neighbour on the frontier. Outcome index
// arithmetic stays in 32 bits: T is at most 3^13.

namespace frameguarantee {

namespace {

constexpr int kLevels = 3;
// Where each stage's bar starts; stage d ends where stage d + 1 starts.
constexpr std::array<double, kLevels + 1> kStageStart{0, 495, 1980, 4950};
constexpr std::size_t kReportStride = 256;  // outcomes or rows between two progress calls

class Reporter {
public:
    explicit Reporter(const Progress& progress) : progress_(progress) { }
    // True when the run must stop. Asks only every kReportStride items and at each item 0.
    bool stop(std::size_t item, std::size_t items, double from, double to)
    {
        if (!progress_ || item % kReportStride != 0)
            return false;
        const double share = items > 0 ? static_cast<double>(item) / static_cast<double>(items) : 0.0;
        return progress_(from + (to - from) * share);
    }

private:
    const Progress& progress_;
};

class Search {
public:
    Search(const OutcomeSpace& space, const Marks& marks) : space_(space), table_(std::size_t(space.count), 0)
    {
        for (int m = 0; m < MatchCount; ++m)
            if (space.radix[m] > 1) {
                guarded_[std::size_t(guardedCount_)] = m;
                oneMarked_[std::size_t(m)] = marks.ettamarkerad[std::size_t(m)] == 1;
                ++guardedCount_;
            }
    }

    // Places the row's own outcome (code 1) or, when it holds no sign in k guarded matches, every
    // filling of those matches as a seed for distance k.
    void seed(const RowMatrix& rows, long long r)
    {
        std::int32_t base = 0;
        std::array<int, kLevels> empty{};
        int empties = 0;
        for (int k = 0; k < guardedCount_; ++k) {
            const int m = guarded_[std::size_t(k)];
            const std::uint8_t sign = m <= rows.upperMatch() ? rows.at(m, r) : 0;
            const int d = digitOf(sign, space_.radix[std::size_t(m)], oneMarked_[std::size_t(m)]);
            if (d > 0) {
                base += space_.weight[std::size_t(m)] * (d - 1);
            } else if (empties == kLevels) {
                return;  // 4 or more differences from every outcome
            } else {
                empty[std::size_t(empties++)] = m;
            }
        }
        if (empties == 0) {
            visit(base, 1);
            return;
        }
        if (lateSeeds_.empty())
            lateSeeds_.assign(table_.size(), 0);
        fill(base, empty, empties);
    }

    // Marks the outcomes at distance `level` from the frontier at distance level - 1, then the seeds of
    // rows with `level` empty matches.
    bool expandTo(int level, Reporter& reporter, double from, double to)
    {
        next_.clear();
        const auto code = static_cast<std::uint8_t>(level + 1);
        const std::int32_t marked = reached_[0] + reached_[1] + reached_[2] + reached_[3];
        const auto unmarked = static_cast<std::size_t>(space_.count - marked);
        if (frontier_.size() <= unmarked) {
            // Few outcomes to come from: push from each of them.
            const std::size_t items = frontier_.size();
            for (std::size_t i = 0; i < items; ++i) {
                if (reporter.stop(i, items, from, to))
                    return false;
                forEachNeighbour(frontier_[i], [this, code](std::int32_t nb) {
                    visit(nb, code);
                    return false;
                });
            }
        } else if (unmarked > 0) {
            // Few outcomes left: each looks for a neighbour on the frontier (code `level`).
            const std::size_t items = table_.size();
            for (std::size_t o = 0; o < items; ++o) {
                if (reporter.stop(o, items, from, to))
                    return false;
                if (table_[o] != 0)
                    continue;
                const auto self = static_cast<std::int32_t>(o);
                if (forEachNeighbour(self, [this, level](std::int32_t nb) { return table_[std::size_t(nb)] == level; }))
                    visit(self, code);
            }
        }
        if (!lateSeeds_.empty())
            for (std::size_t o = 0; o < lateSeeds_.size(); ++o)
                if (lateSeeds_[o] == level)
                    visit(static_cast<std::int32_t>(o), code);
        frontier_.swap(next_);
        return true;
    }

    // The rows' own outcomes are the first frontier.
    void seedsPlaced() { frontier_.swap(next_); }
    const std::array<std::int32_t, 4>& reached() const { return reached_; }

private:
    void visit(std::int32_t o, std::uint8_t code)
    {
        std::uint8_t& entry = table_[std::size_t(o)];
        if (entry != 0)
            return;
        entry = code;
        ++reached_[std::size_t(code - 1)];
        if (code <= kLevels)
            next_.push_back(o);
    }

    // Calls f(neighbour) for every outcome that differs in one guarded match, until f returns true;
    // returns whether it did.
    template <typename F>
    bool forEachNeighbour(std::int32_t o, F f) const
    {
        // Guarded matches are the places of the index in order; unguarded ones take no place.
        std::int32_t rest = o;
        for (int k = 0; k < guardedCount_; ++k) {
            const std::int32_t w = space_.weight[std::size_t(guarded_[std::size_t(k)])];
            if (space_.radix[std::size_t(guarded_[std::size_t(k)])] == 2) {
                if (f(rest & 1 ? o - w : o + w))
                    return true;
                rest >>= 1;
                continue;
            }
            const std::int32_t d = rest % 3;
            rest /= 3;
            // The two other digits of a full guard.
            if (f(d == 0 ? o + w : o - w) || f(d == 2 ? o - 2 * w : d == 1 ? o + w : o + 2 * w))
                return true;
        }
        return false;
    }

    // Every filling of the empty matches, as a seed at distance `empties`.
    void fill(std::int32_t base, const std::array<int, kLevels>& empty, int empties)
    {
        std::array<int, kLevels> digit{};
        for (;;) {
            std::int32_t o = base;
            for (std::size_t k = 0; k < std::size_t(empties); ++k)
                o += digit[k] * space_.weight[std::size_t(empty[k])];
            std::uint8_t& s = lateSeeds_[std::size_t(o)];
            if (s == 0 || s > empties)
                s = static_cast<std::uint8_t>(empties);
            std::size_t k = 0;
            while (k < std::size_t(empties) && ++digit[k] == space_.radix[std::size_t(empty[k])])
                digit[k++] = 0;
            if (k == std::size_t(empties))
                return;
        }
    }

    const OutcomeSpace& space_;
    std::array<int, MatchCount> guarded_{};
    std::array<bool, MatchCount> oneMarked_{};
    int guardedCount_ = 0;
    std::vector<std::uint8_t> table_;  // 0, or 1 + the distance to the nearest row
    std::vector<std::uint8_t> lateSeeds_;  // per outcome: fewest empty matches of a row that fills to it
    std::vector<std::int32_t> frontier_;
    std::vector<std::int32_t> next_;
    std::array<std::int32_t, 4> reached_{};
};

}  // namespace

OutcomeSpace outcomeSpace(const Marks& marks)
{
    OutcomeSpace s;
    std::int32_t product = 1;
    for (std::size_t m = 0; m < MatchCount; ++m) {
        s.weight[m] = product;
        const int marked = marks.antalmarkerade[m];
        s.radix[m] = marked == 2 || marked == 3 ? marked : 1;
        product *= s.radix[m];
    }
    s.count = product;
    return s;
}

int digitOf(std::uint8_t sign, int radix, bool oneMarked)
{
    if (radix < 2)
        return 1;
    if (sign < 1 || sign > 3)
        return 0;
    if (radix == 3)
        return sign;
    return sign == (oneMarked ? 1 : 2) ? 1 : 2;
}

Counts compute(const RowMatrix& rows, long long rowCount, const Marks& marks, const Progress& progress)
{
    const OutcomeSpace space = outcomeSpace(marks);
    Counts out;
    out.total = space.count;
    const long long n = std::clamp(rowCount, 0LL, rows.upperRow() + 1);
    const auto rowItems = static_cast<std::size_t>(n);

    Search search(space, marks);
    Reporter reporter(progress);
    // Stage 1 gives its first half to the rows and its second to their neighbours.
    const double half = (kStageStart[0] + kStageStart[1]) / 2;
    for (std::size_t r = 0; r < rowItems; ++r) {
        if (reporter.stop(r, rowItems, kStageStart[0], half))
            return Counts{{}, space.count, true};
        search.seed(rows, static_cast<long long>(r));
    }
    search.seedsPlaced();
    for (int level = 1; level <= kLevels; ++level) {
        const double from = level == 1 ? half : kStageStart[std::size_t(level - 1)];
        if (!search.expandTo(level, reporter, from, kStageStart[std::size_t(level)]))
            return Counts{{}, space.count, true};
    }
    out.reached = search.reached();
    return out;
}

std::array<QString, 5> resultTexts(const Counts& counts)
{
    std::array<QString, 5> texts;
    double tenthsLeft = 1000;
    for (std::size_t k = 0; k < 4; ++k) {
        // Divide first, then scale: the cut must fall where the step-by-step arithmetic puts it.
        const double share = static_cast<double>(counts.reached[k]) / static_cast<double>(counts.total);
        const double tenths = vb::Int(share * 1000);
        texts[k] = vb::Dec(tenths / 10) + u'%';
        tenthsLeft -= tenths;
    }
    texts[4] = vb::Dec(vb::Int(tenthsLeft / 10)) + u'%';
    return texts;
}

}  // namespace frameguarantee
