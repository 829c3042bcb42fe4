#pragma once
// The guarantee table counted step by step, slow on purpose: an odometer over every outcome, each
// system row scored against it (without base row stopping below 10 right), 16-bit row counts per
// category, then the class of the outcome and the min and max of its table row. It takes valid
// systems only and reads their codes itself. The tests and the benchmarks hold the fast count
// against it.

#include "systems/guarantee.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace literal {

inline GuaranteeCounts countGuarantee(const GuaranteeSystem& s, const GuaranteeProgress& progress = {})
{
    const int n = std::clamp(s.halvgard + s.helgard, 1, 13);
    const int free = 13 - n;
    GuaranteeCounts empty;
    for (auto& row : empty.minimum)
        row.fill(32767);  // no outcome yet
    empty.positions = n;
    empty.outcomes = std::pow(2.0, s.halvgard) * std::pow(3.0, s.helgard);
    const double outcomes = empty.outcomes;
    GuaranteeCounts out = empty;
    std::array<std::uint8_t, 15> digits{};
    std::array<std::int16_t, 71> rowCount{};
    auto digit = [&digits](int j) -> std::uint8_t& { return digits[std::size_t(j)]; };
    auto code = [&s, n](int r, int k) { return s.codes[std::size_t(r * n + k - 1)]; };  // k 1-based
    for (double i = 1; i <= outcomes; ++i) {
        if (progress && progress(static_cast<long long>(i) - 1, static_cast<long long>(outcomes))) {
            empty.cancelled = true;
            return empty;
        }
        for (int j = 1; j <= n; ++j) {
            if ((j <= s.halvgard && digit(j) == 2) || digit(j) == 3) {
                digit(j) = 0;
                ++digit(j + 1);
            }
        }
        int z = 0;
        for (int j = 1; s.baseRow && j <= n; ++j)
            z += digit(j) == 0;
        for (int r = 0; r < s.rows; ++r) {
            if (!s.baseRow) {
                int rights = 13;
                for (int k = 1; k <= n && rights >= 10; ++k)
                    rights -= code(r, k) != digit(k);
                ++rowCount[std::size_t(rights >= 10 ? rights - 9 : 0)];
            } else {
                int rights = free;
                for (int k = 1; k <= n; ++k)
                    rights += code(r, k) == digit(k);
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
            std::int16_t &most = out.maximum[t][std::size_t(c)], &least = out.minimum[t][std::size_t(c)];
            most = std::max(most, count(c));
            least = std::min(least, count(c));
        }
        rowCount.fill(0);
        ++digit(1);
    }
    return out;
}

}  // namespace literal
