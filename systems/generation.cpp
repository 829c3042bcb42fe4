#include "systems/generation.h"

#include "platform/vberror.h"

#include <cmath>
#include <cstdlib>
#include <limits>

// Combinations are indexed by row number - 1: position 0 varies fastest, half guards in radix 2,
// full guards in radix 3. The step-by-step method compares every candidate with every chosen
// row; here every combination keeps its own state, updated over the sphere of a row when it is
// chosen, and each scan becomes a query over those states that gives the same row.

namespace {

constexpr long long kProgressStride = 4096;  // units of work between progress calls

struct Space {
    int n = 0;
    long long count = 1;
    std::array<int, 13> radix{};
    std::array<long long, 13> weight{};

    Space(int halvgard, int helgard) : n(halvgard + helgard)
    {
        for (int k = 0; k < n; ++k) {
            radix[k] = k < halvgard ? 2 : 3;
            weight[k] = count;
            count *= radix[k];
        }
    }
    void digitsOf(long long index, std::uint8_t* d) const
    {
        for (int k = 0; k < n && k < 13; ++k) {
            d[k] = static_cast<std::uint8_t>(index % radix[k]);
            index /= radix[k];
        }
    }
    // Calls f(index) for every combination at exactly t differences from the one with digits d.
    template <typename F>
    void forEachAt(const std::uint8_t* d, long long index, int t, int from, F& f) const
    {
        if (t == 0) {
            f(index);
            return;
        }
        for (int k = from; k <= n - t; ++k) {
            for (int a = 1; a < radix[k]; ++a) {
                const int nd = (d[k] + a) % radix[k];
                forEachAt(d, index + (nd - d[k]) * weight[k], t - 1, k + 1, f);
            }
        }
    }
};

// Calls the progress callback at the start and then after every kProgressStride units of work.
class Reporter {
public:
    explicit Reporter(const GenerationProgress& progress) : progress_(progress) { }
    void work(long long units) { pending_ += units; }
    bool due() const { return progress_ && (first_ || pending_ >= kProgressStride); }
    // Returns true when the build must stop.
    bool report(long long done, long long total)
    {
        first_ = false;
        pending_ = 0;
        return progress_ && progress_(done, total);
    }
    bool tick(long long units, long long done, long long total)
    {
        work(units);
        return due() && report(done, total);
    }

private:
    const GenerationProgress& progress_;
    long long pending_ = 0;
    bool first_ = true;
};

// Min tree over one 16-bit key per combination. Keys only grow, so an update stops climbing as soon
// as a parent keeps its value.
class MinTree {
public:
    static constexpr std::uint16_t kCovered = std::numeric_limits<std::uint16_t>::max();

    explicit MinTree(long long count)
    {
        while (size_ < count)
            size_ *= 2;
        t_.assign(static_cast<std::size_t>(2 * size_), 0);
        for (long long i = count; i < size_; ++i)
            t_[static_cast<std::size_t>(size_ + i)] = kCovered;
        for (long long i = size_ - 1; i >= 1; --i)
            t_[i] = std::min(t_[2 * i], t_[2 * i + 1]);
    }
    std::uint16_t key(long long i) const { return t_[static_cast<std::size_t>(size_ + i)]; }
    void raise(long long i, std::uint16_t value)
    {
        long long p = size_ + i;
        t_[p] = value;
        for (p /= 2; p >= 1; p /= 2) {
            const std::uint16_t m = std::min(t_[2 * p], t_[2 * p + 1]);
            if (t_[p] == m)
                break;
            t_[p] = m;
        }
    }
    // The smallest key at lo and after.
    std::uint16_t minFrom(long long lo) const
    {
        std::uint16_t m = kCovered;
        forCover(lo, [&](long long node) {
            m = std::min(m, t_[node]);
            return false;
        });
        return m;
    }
    // The first index at lo or after whose key is m or less; -1 if none.
    long long firstAtMost(long long lo, std::uint16_t m) const
    {
        long long found = -1;
        forCover(lo, [&](long long node) {
            if (t_[node] > m)
                return false;
            while (node < size_)
                node = t_[2 * node] <= m ? 2 * node : 2 * node + 1;
            found = node - size_;
            return true;
        });
        return found;
    }

private:
    // Visits, left to right, the subtrees that together hold the leaves lo..end; stops when f says so.
    template <typename F>
    void forCover(long long lo, F f) const
    {
        long long i = size_ + lo;
        while (true) {
            if (f(i))
                return;
            while (i & 1)
                i >>= 1;
            if (i == 0)
                return;
            ++i;
        }
    }

    long long size_ = 1;
    std::vector<std::uint16_t> t_;
};

void appendRow(GeneratedSystem& out, const Space& space, long long index)
{
    const std::size_t at = out.digits.size();
    out.digits.resize(at + static_cast<std::size_t>(space.n));
    space.digitsOf(index, out.digits.data() + at);
    ++out.rows;
}

GeneratedSystem cancelledResult(const Space& space)
{
    GeneratedSystem out;
    out.positions = space.n;
    out.cancelled = true;
    return out;
}

GeneratedSystem fullVariation(const Space& space)
{
    GeneratedSystem out;
    out.positions = space.n;
    out.rows = space.count;
    out.digits.resize(static_cast<std::size_t>(space.count * space.n));
    std::array<std::uint8_t, 13> d{};
    std::uint8_t* to = out.digits.data();
    for (long long r = 0; r < space.count; ++r) {
        std::copy(d.begin(), d.begin() + space.n, to);
        to += space.n;
        for (int k = 0; k < space.n; ++k) {
            if (++d[k] < space.radix[k])
                break;
            d[k] = 0;
        }
    }
    return out;
}

// The greedy covering with radius R (rows within R - 1 differences of a chosen row are covered).
// A candidate's step-by-step score is 2 per chosen row, less 1 for each chosen row at exactly R differences;
// uncovered rows lie at R or more from every chosen row. So the best row is the first uncovered one
// from the start row on with the fewest chosen rows at exactly R, and "accepted at once" is that
// count being 0. The key of a combination is that count, or kCovered once covered. The covering
// stops at the first row past kMaxSystemRows: the result is then refused whole.
GeneratedSystem greedyCovering(const Space& space, int radius, const GenerationProgress& progress)
{
    const long long total = space.count + 1;
    MinTree tree(space.count);
    Reporter reporter(progress);
    std::vector<long long> chosen;
    long long covered = 0;
    long long start = 0;
    long long best = 0;  // the row B, as a combination index
    int emptyScans = 0;
    std::array<std::uint8_t, 13> d{};
    long long units = 0;

    auto cover = [&](long long i) {
        ++units;
        if (tree.key(i) != MinTree::kCovered) {
            tree.raise(i, MinTree::kCovered);
            ++covered;
        }
    };
    auto count = [&](long long i) {
        ++units;
        const std::uint16_t k = tree.key(i);
        if (k != MinTree::kCovered)
            tree.raise(i, static_cast<std::uint16_t>(k + 1));
    };

    while (true) {
        if (reporter.tick(units, covered, total))
            return cancelledResult(space);
        units = 0;
        bool again = false;  // the scan found nothing: B is written and marked once more
        if (!chosen.empty()) {
            const std::uint16_t m = tree.minFrom(start);
            units += 64;
            if (m == MinTree::kCovered) {
                if (++emptyScans == 2)
                    break;
                again = true;
                start = 0;
            } else {
                best = tree.firstAtMost(start, m);
                start = m == 0 ? best : 0;
            }
        }
        if (again)
            continue;  // writing B again changes nothing: its sphere is counted and marked already
        chosen.push_back(best);
        if (static_cast<long long>(chosen.size()) > kMaxSystemRows)
            break;  // the grid cannot take the result: no need to finish the covering
        space.digitsOf(best, d.data());
        for (int t = 0; t < radius; ++t)
            space.forEachAt(d.data(), best, t, 0, cover);
        space.forEachAt(d.data(), best, radius, 0, count);
    }

    GeneratedSystem out;
    out.positions = space.n;
    out.digits.reserve(chosen.size() * static_cast<std::size_t>(space.n));
    for (long long i : chosen)
        appendRow(out, space, i);
    return out;
}

// The rows of a base-row system: which are kept (their number of errors is allowed), chosen and
// covered, and the kept rows listed by their number of errors.
struct BaseRowRows {
    static constexpr std::uint8_t Kept = 1, Chosen = 2, Covered = 4;
    std::vector<std::uint8_t> state;
    std::array<std::vector<std::int32_t>, 14> byErrors;
    long long kept = 0;
};

// KU selection: every row whose number of errors is allowed. False when cancelled.
bool selectByErrors(const Space& space, const std::array<bool, 14>& allowed, long long scale, long long total,
    const GenerationProgress& progress, BaseRowRows& rows)
{
    const long long n = space.count;
    Reporter reporter(progress);
    rows.state.assign(static_cast<std::size_t>(n), 0);
    std::array<std::uint8_t, 13> d{};
    int errors = 0;
    for (long long r = 0; r < n; ++r) {
        if (allowed[static_cast<std::size_t>(errors)]) {
            rows.state[static_cast<std::size_t>(r)] = BaseRowRows::Kept;
            rows.byErrors[static_cast<std::size_t>(errors)].push_back(static_cast<std::int32_t>(r));
            ++rows.kept;
        }
        reporter.work(1);
        if ((reporter.due() || r + 1 == n) && reporter.report(scale * (r + 1), total))
            return false;
        for (int k = 0; k < space.n; ++k) {
            if (d[k] == 0)
                ++errors;
            if (++d[k] < space.radix[k])
                break;
            d[k] = 0;
            --errors;
        }
    }
    return true;
}

// RU reduction in passes. Each pass picks, for every allowed number of errors, the first row with
// that count that is neither chosen nor covered; rows only ever gain marks, so a pointer per count
// moves forward only. Returns the rows left uncovered, -1 when cancelled.
long long reduceInPasses(const Space& space, const std::array<bool, 14>& allowed, long long total,
    const GenerationProgress& progress, BaseRowRows& rows)
{
    std::array<std::uint8_t, 13> d{};
    std::array<std::size_t, 14> next{};
    long long uncovered = rows.kept;
    long long prev = 0;
    long long units = 0;
    auto cover = [&](long long j) {
        ++units;
        std::uint8_t& s = rows.state[static_cast<std::size_t>(j)];
        if ((s & BaseRowRows::Kept) && !(s & BaseRowRows::Covered)) {
            s |= BaseRowRows::Covered;
            --uncovered;
        }
    };
    Reporter passes(progress);
    while (true) {
        for (std::size_t e = 0; e < 14; ++e) {
            if (!allowed[e])
                continue;
            const auto& candidates = rows.byErrors[e];
            std::size_t& i = next[e];
            while (i < candidates.size() &&
                (rows.state[static_cast<std::size_t>(candidates[i])] & (BaseRowRows::Chosen | BaseRowRows::Covered))) {
                ++i;
                ++units;
            }
            if (i == candidates.size())
                continue;
            const long long row = candidates[i];
            rows.state[static_cast<std::size_t>(row)] |= BaseRowRows::Chosen;
            space.digitsOf(row, d.data());
            space.forEachAt(d.data(), row, 1, 0, cover);
        }
        const long long change = prev - uncovered;
        const bool done = uncovered == prev;
        passes.work(units + 1);
        units = 0;
        if (passes.due() || done) {
            const double x = 3000.0 + 1950.0 / std::pow(static_cast<double>(std::llabs(change) + 1), 1.0 / 4.0);
            if (passes.report(std::llround(x * static_cast<double>(space.count)), total))
                return -1;
        }
        if (done)
            return uncovered;
        prev = uncovered;
    }
}

GeneratedSystem keptUncoveredRows(const Space& space, const BaseRowRows& rows, long long count)
{
    GeneratedSystem out;
    out.positions = space.n;
    out.digits.reserve(static_cast<std::size_t>(count * space.n));
    for (long long r = 0; r < space.count; ++r) {
        const std::uint8_t s = rows.state[static_cast<std::size_t>(r)];
        if ((s & BaseRowRows::Kept) && !(s & BaseRowRows::Covered))
            appendRow(out, space, r);
    }
    return out;
}

// KU selection, and for RU the reduction in passes after it.
GeneratedSystem baseRowSystem(
    const Space& space, const std::array<bool, 14>& allowed, bool reduce, const GenerationProgress& progress)
{
    const long long total = 4950 * space.count;
    BaseRowRows rows;
    if (!selectByErrors(space, allowed, reduce ? 3000 : 4950, total, progress, rows))
        return cancelledResult(space);
    if (!reduce)
        return keptUncoveredRows(space, rows, rows.kept);
    const long long uncovered = reduceInPasses(space, allowed, total, progress, rows);
    if (uncovered < 0)
        return cancelledResult(space);
    return keptUncoveredRows(space, rows, uncovered);
}

}  // namespace

GenerationKind generationKindOf(const GenerationSettings& settings)
{
    if (settings.urad == 0) {
        if (settings.fel == 1)
            return GenerationKind::Covering12;
        if (settings.fel == 2)
            return GenerationKind::Covering11;
        return GenerationKind::FullVariation;
    }
    return settings.fel == 1 ? GenerationKind::BaseRowReduction : GenerationKind::BaseRowSelection;
}

QString signOfDigit(int digit)
{
    switch (digit) {
    case 0:
        return QStringLiteral("1");
    case 1:
        return QStringLiteral("2");
    case 2:
        return QStringLiteral("X");
    default:
        return QString();
    }
}

GeneratedSystem generateSystem(const GenerationSettings& settings, const GenerationProgress& progress)
{
    if (settings.halvgard < 0 || settings.helgard < 0 || settings.halvgard + settings.helgard < 1 ||
        settings.halvgard + settings.helgard > 13)
        throw VbError(vberr::InvalidCall);
    const Space space(settings.halvgard, settings.helgard);
    switch (generationKindOf(settings)) {
    case GenerationKind::FullVariation:
        return fullVariation(space);
    case GenerationKind::Covering12:
        return greedyCovering(space, 2, progress);
    case GenerationKind::Covering11:
        return greedyCovering(space, 3, progress);
    case GenerationKind::BaseRowSelection:
        return baseRowSystem(space, settings.allowed, false, progress);
    case GenerationKind::BaseRowReduction:
        return baseRowSystem(space, settings.allowed, true, progress);
    }
    return {};
}
