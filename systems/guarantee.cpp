#include "systems/guarantee.h"

#include "platform/vberror.h"
#include "platform/vbtext.h"

#include <algorithm>

namespace {

constexpr int kMaxPositions = 13;
constexpr int kNear = 4;  // rows at 0..3 differences decide everything; the rest has fewer than 10 right
constexpr std::int16_t kNoMinimum = 32767;

// One other digit at one position: what it adds to the outcome's index.
struct Alternative {
    std::int32_t delta;
    int position;
};

struct OutcomeSpace {
    std::array<int, kMaxPositions> radix{};
    std::array<std::int32_t, kMaxPositions> weight{};  // position 0 runs fastest, as the odometer
    std::int32_t size = 1;

    explicit OutcomeSpace(const GuaranteeSystem& s)
    {
        for (int k = 0; k < s.positions(); ++k) {
            radix[std::size_t(k)] = k < s.halvgard ? 2 : 3;
            weight[std::size_t(k)] = size;
            size *= radix[std::size_t(k)];
        }
    }
};

using NearCounts = std::array<std::uint16_t, kNear>;

// Adds one system row to the counts of every outcome within 3 differences of it. A position whose
// code no outcome digit takes (empty, or "X" on a half guard) differs in every outcome: each of
// its digits is tried at the cost of one difference, the others are changed within what is left.
class NeighbourhoodWalk {
public:
    NeighbourhoodWalk(const GuaranteeSystem& s, const OutcomeSpace& space) : system_(s), space_(space) { }

    void add(int row, std::vector<NearCounts>& near)
    {
        std::int32_t base = 0;
        bases_.assign(1, 0);
        alternatives_.clear();
        int forced = 0;
        for (int k = 0; k < system_.positions(); ++k) {
            const int code = system_.code(row, k);
            const int radix = space_.radix[std::size_t(k)];
            const std::int32_t w = space_.weight[std::size_t(k)];
            if (code < radix) {
                base += code * w;
                for (int d = 0; d < radix; ++d)
                    if (d != code)
                        alternatives_.push_back({(d - code) * w, k});
                continue;
            }
            if (++forced >= kNear)
                return;
            const std::size_t before = bases_.size();
            for (int d = 1; d < radix; ++d)
                for (std::size_t b = 0; b < before; ++b)
                    bases_.push_back(bases_[b] + d * w);
        }
        // next_[i]: the first alternative at a later position than alternative i.
        const std::size_t a = alternatives_.size();
        next_.assign(a, a);
        for (std::size_t i = a; i-- > 0;)
            next_[i] = i + 1 < a && alternatives_[i + 1].position == alternatives_[i].position ? next_[i + 1] : i + 1;

        const int budget = kNear - 1 - forced;
        for (std::int32_t b0 : bases_) {
            const std::int32_t b = base + b0;
            NearCounts* at = near.data();
            ++at[b][std::size_t(forced)];
            if (budget < 1)
                continue;
            for (std::size_t i = 0; i < a; ++i) {
                const std::int32_t b1 = b + alternatives_[i].delta;
                ++at[b1][std::size_t(forced + 1)];
                if (budget < 2)
                    continue;
                for (std::size_t j = next_[i]; j < a; ++j) {
                    const std::int32_t b2 = b1 + alternatives_[j].delta;
                    ++at[b2][std::size_t(forced + 2)];
                    if (budget < 3)
                        continue;
                    for (std::size_t l = next_[j]; l < a; ++l)
                        ++at[b2 + alternatives_[l].delta][std::size_t(forced + 3)];
                }
            }
        }
    }

private:
    const GuaranteeSystem& system_;
    const OutcomeSpace& space_;
    std::vector<std::int32_t> bases_;
    std::vector<Alternative> alternatives_;
    std::vector<std::size_t> next_;
};

QString minMaxText(const GuaranteeCounts& counts, int t, int c)
{
    const std::int16_t most = counts.maximum[std::size_t(t - 1)][std::size_t(c)];
    if (most == 0)
        return {};
    const std::int16_t fewest = counts.minimum[std::size_t(t - 1)][std::size_t(c)];
    return fewest == most ? vb::Dec(most) : vb::Dec(fewest) + u'-' + vb::Dec(most);
}

QString percentText(double hits, double of) { return vb::Dec(vb::CLng(hits / of * 100)) + u'%'; }

}  // namespace

GuaranteeCounts::GuaranteeCounts()
{
    for (auto& row : minimum)
        row.fill(kNoMinimum);
}

std::uint8_t guaranteeSignCode(const QString& cellText)
{
    if (cellText == u"1")
        return 0;
    if (cellText == u"2")
        return 1;
    if (cellText == u"X")
        return 2;
    return 4;
}

void checkGuaranteeSystem(const GuaranteeSystem& s)
{
    if (s.halvgard < 0 || s.helgard < 0 || s.positions() < 1 || s.positions() > kMaxPositions)
        throw VbError(vberr::InvalidCall);
    if (s.rows < 0 || s.rows > kNoMinimum)
        throw VbError(vberr::Overflow);
    if (s.codes.size() < static_cast<std::size_t>(s.rows) * static_cast<std::size_t>(s.positions()))
        throw VbError(vberr::SubscriptOutOfRange);
}

GuaranteeCounts countGuarantee(const GuaranteeSystem& system, const GuaranteeProgress& progress)
{
    checkGuaranteeSystem(system);
    const int n = system.positions();
    const OutcomeSpace space(system);
    GuaranteeCounts out;
    out.positions = n;
    out.outcomes = static_cast<double>(space.size);
    // Progress runs over the rows, then over the outcomes.
    const long long work = static_cast<long long>(system.rows) + space.size;
    auto cancel = [&out] {
        GuaranteeCounts empty;
        empty.positions = out.positions;
        empty.outcomes = out.outcomes;
        empty.cancelled = true;
        return empty;
    };

    std::vector<NearCounts> near(static_cast<std::size_t>(space.size), NearCounts{});
    NeighbourhoodWalk walk(system, space);
    for (int r = 0; r < system.rows; ++r) {
        if (progress && r % 64 == 0 && progress(r, work))
            return cancel();
        walk.add(r, near);
    }

    std::array<int, kMaxPositions> digit{};
    int z = n;  // positions whose digit is 0, the base row's sign
    for (std::int32_t i = 0; i < space.size; ++i) {
        if (progress && i % 4096 == 0 && progress(system.rows + i, work))
            return cancel();
        const NearCounts& c = near[std::size_t(i)];
        int cls = 1;
        while (cls <= 4 && c[std::size_t(cls - 1)] == 0)
            ++cls;
        const std::size_t t = std::size_t(system.baseRow ? 5 * z + cls : cls) - 1;
        ++out.hits[t];
        if (system.baseRow)
            ++out.outcomesOfZ[std::size_t(z)];
        const std::array<int, kGuaranteeCategories> rows = {
            c[0], c[1], c[2], c[3], system.rows - c[0] - c[1] - c[2] - c[3]};
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const auto v = static_cast<std::int16_t>(rows[k]);
            out.maximum[t][k] = std::max(out.maximum[t][k], v);
            out.minimum[t][k] = std::min(out.minimum[t][k], v);
        }
        for (int k = 0; k < n; ++k) {
            int& d = digit[std::size_t(k)];
            if (++d < space.radix[std::size_t(k)]) {
                if (d == 1)
                    --z;
                break;
            }
            d = 0;
            ++z;
        }
    }
    if (progress && progress(work, work))
        return cancel();
    return out;
}

GuaranteeTable guaranteeTableOf(const GuaranteeCounts& counts, bool baseRow)
{
    GuaranteeTable table;
    if (!baseRow) {
        table.cells.resize(5 * 6);
        for (int t = 1; t <= 5; ++t) {
            auto cell = [&](int c) -> QString& { return table.cells[std::size_t((t - 1) * 6 + c)]; };
            const std::int32_t hits = counts.hits[std::size_t(t - 1)];
            if (hits != 0)
                cell(5) = percentText(hits, counts.outcomes);
            for (int c = 0; c < kGuaranteeCategories; ++c)
                cell(c) = minMaxText(counts, t, c);
        }
        return table;
    }
    // Packed in increasing table row. Shares and errors go to the rows that outcomes reach, min-max
    // cells to the rows with a count; both are the same rows whenever the system has a row.
    table.cols = 7;
    table.cells.resize(kGuaranteeTableRows * 7);
    auto cell = [&](int c, int g) -> QString& { return table.cells[std::size_t((g - 1) * 7 + c)]; };
    int g = 1;
    for (int t = 1; t <= kGuaranteeTableRows; ++t) {
        const std::int32_t hits = counts.hits[std::size_t(t - 1)];
        if (hits == 0)
            continue;
        const int z = (t - 1) / 5;
        cell(5, g) = percentText(hits, counts.outcomesOfZ[std::size_t(z)]);
        cell(6, g) = vb::Dec(counts.positions - z);
        ++g;
    }
    g = 1;
    for (int t = 1; t <= kGuaranteeTableRows; ++t) {
        bool any = false;
        for (int c = 0; c < kGuaranteeCategories; ++c) {
            cell(c, g) = minMaxText(counts, t, c);
            any = any || !cell(c, g).isEmpty();
        }
        if (any)
            ++g;
    }
    table.rows = g;
    table.cells.resize(std::size_t((g - 1) * 7));
    return table;
}
