#pragma once
// The old way of counting a guarantee table, kept slow on purpose: an odometer over every outcome,
// each system row scored against it (without base row stopping below 10 right), 16-bit row counts
// per category, then the class of the outcome and the min and max of its table row. The tests and
// the benchmarks hold the fast count against it.

#include "systems/guarantee.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace literal {

inline GuaranteeCounts countGuarantee(const GuaranteeSystem& s, const GuaranteeProgress& progress = {})
{
    checkGuaranteeSystem(s);
    const int n = std::min(s.positions(), 13);  // checked above; the bound is for the compiler
    const int free = 13 - n;
    GuaranteeCounts out;
    out.positions = n;
    const double outcomes = std::pow(2.0, s.halvgard) * std::pow(3.0, s.helgard);
    out.outcomes = outcomes;
    std::array<std::uint8_t, 15> digit{};
    std::array<std::int16_t, 71> rowCount{};
    for (double i = 1; i <= outcomes; ++i) {
        if (progress && progress(static_cast<long long>(i) - 1, static_cast<long long>(outcomes))) {
            GuaranteeCounts cancelled;
            cancelled.positions = n;
            cancelled.outcomes = outcomes;
            cancelled.cancelled = true;
            return cancelled;
        }
        for (int j = 1; j <= n; ++j) {
            if ((j <= s.halvgard && digit[std::size_t(j)] == 2) || digit[std::size_t(j)] == 3) {
                digit[std::size_t(j)] = 0;
                ++digit[std::size_t(j + 1)];
            }
        }
        int z = 0;
        if (s.baseRow)
            for (int j = 1; j <= n; ++j)
                z += digit[std::size_t(j)] == 0;
        for (int r = 0; r < s.rows; ++r) {
            if (!s.baseRow) {
                int rights = 13;
                for (int k = 1; k <= n && rights >= 10; ++k)
                    if (s.code(r, k - 1) != digit[std::size_t(k)])
                        --rights;
                ++rowCount[std::size_t(rights >= 10 ? rights - 9 : 0)];
            } else {
                int rights = free;
                for (int k = 1; k <= n; ++k)
                    if (s.code(r, k - 1) == digit[std::size_t(k)])
                        ++rights;
                ++rowCount[std::size_t(5 * z + (rights >= 10 ? rights - 9 : 0))];
            }
        }
        const int at = s.baseRow ? 5 * z : 0;
        // Category c (13 right first) sits at count cell 4 - c, fewer than 10 at cell 0.
        auto count = [&](int category) { return rowCount[std::size_t(at + 4 - category)]; };
        int cls = 5;
        for (int c = 3; c >= 0; --c)
            if (count(c) > 0)
                cls = c + 1;
        const std::size_t t = std::size_t(s.baseRow ? 5 * z + cls : cls) - 1;
        ++out.hits[t];
        if (s.baseRow)
            ++out.outcomesOfZ[std::size_t(z)];
        for (int c = 0; c <= 4; ++c) {
            const std::int16_t v = count(c);
            if (v > out.maximum[t][std::size_t(c)])
                out.maximum[t][std::size_t(c)] = v;
            if (v < out.minimum[t][std::size_t(c)])
                out.minimum[t][std::size_t(c)] = v;
        }
        rowCount.fill(0);
        ++digit[1];
    }
    return out;
}

}  // namespace literal
