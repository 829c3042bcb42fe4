#pragma once
// The frame guarantee step by step, slow on purpose: three passes, every row's own outcome and its
// neighbours, then every pair and every triple of changed matches, each visit building the index
// over all 13 matches. Progress is reported once per row and pass. A row without a sign in a guarded
// match has every digit there as an alternative and no outcome of its own in that match. The outcome
// space and the digits are worked out here, not taken from the fast count's helpers. The tests and
// the benchmarks hold the fast count against it.

#include "systems/frameguarantee.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace literal {

inline frameguarantee::Counts frameGuarantee(const RowMatrix& rows, long long rowCount,
    const frameguarantee::Marks& marks, const frameguarantee::Progress& progress = {})
{
    using namespace frameguarantee;
    // A match with 2 or 3 marked signs is a place of that radix, match 0 the least significant.
    struct {
        std::array<int, MatchCount> radix{};
        std::array<std::int32_t, MatchCount> weight{};
        std::int32_t count = 1;
    } space;
    for (std::size_t m = 0; m < MatchCount; ++m) {
        const int marked = marks.antalmarkerade[m];
        space.radix[m] = marked == 2 || marked == 3 ? marked : 1;
        space.weight[m] = space.count;
        space.count *= space.radix[m];
    }
    const long long n = std::clamp(rowCount, 0LL, rows.upperRow() + 1);
    std::vector<std::uint8_t> table(static_cast<std::size_t>(space.count), 0);
    using Digits = std::array<int, MatchCount>;

    // A row's digit in match m: 1 where the match is not guarded; 0 for no sign; on a full guard the
    // sign itself (1, X, 2); on a half guard 1 for its first marked sign ("1" when marked, else "X"),
    // 2 for any other sign.
    auto digitAt = [&](int m, std::uint8_t sign) {
        const int radix = space.radix[std::size_t(m)];
        if (radix == 1)
            return 1;
        if (sign == 0 || sign > 3)
            return 0;
        if (radix == 3)
            return int(sign);
        const std::uint8_t first = marks.ettamarkerad[std::size_t(m)] == 1 ? 1 : 2;
        return sign == first ? 1 : 2;
    };

    // The digits a match is changed to: the next one and the one after it; its own digit once when the
    // match is not guarded, every digit when the row has no sign there.
    auto alternatives = [&](int m, int d) -> std::vector<int> {
        const int radix = space.radix[std::size_t(m)];
        if (radix == 1)
            return {d};
        if (d == 0)
            return radix == 2 ? std::vector<int>{1, 2} : std::vector<int>{1, 2, 3};
        if (radix == 2)
            return {3 - d};
        return {d % 3 + 1, (d + 1) % 3 + 1};
    };
    auto mark = [&](const Digits& D, std::uint8_t code, bool always) {
        std::int32_t index = 0;
        for (std::size_t m = 0; m < MatchCount; ++m) {
            if (space.radix[m] == 1)
                continue;
            if (D[m] == 0)
                return;  // no such outcome
            index += space.weight[m] * (D[m] - 1);
        }
        std::uint8_t& entry = table[std::size_t(index)];
        if (always || entry == 0)
            entry = code;
    };
    auto digits = [&](long long r) {
        Digits D{};
        for (int m = 0; m < MatchCount; ++m) {
            const std::uint8_t sign = m <= rows.upperMatch() ? rows.at(m, r) : 0;
            D[std::size_t(m)] = digitAt(m, sign);
        }
        return D;
    };
    const double N = static_cast<double>(n);

    // Every way to change `depth` more matches after `from`; each nested level starts from a copy of
    // the digits above, so the outer changes stay in force.
    auto vary = [&](auto& self, const Digits& D, int from, int depth, std::uint8_t code) -> void {
        if (depth == 0) {
            mark(D, code, false);
            return;
        }
        for (int m = from; m < MatchCount; ++m)
            for (int a : alternatives(m, D[std::size_t(m)])) {
                Digits E = D;
                E[std::size_t(m)] = a;
                self(self, E, m + 1, depth - 1, code);
            }
    };
    // Pass p marks 1 + p on outcomes p changes away; the bar runs 0..495, 495..1980, 1980..4950.
    const std::array<double, 3> barStart{0, 495, 1980};
    const std::array<double, 3> barDivisor{10 * N, 3 * N, N};
    const std::array<double, 3> barScale{4950, 4455, 2970};
    for (int pass = 1; pass <= 3; ++pass) {
        const auto p = std::size_t(pass - 1);
        for (long long r = 0; r < n; ++r) {
            if (progress && progress(barStart[p] + barScale[p] * static_cast<double>(r) / barDivisor[p]))
                return Counts{{}, space.count, true};
            const Digits D = digits(r);
            if (pass == 1)
                mark(D, 1, true);  // whatever it held
            vary(vary, D, 0, pass, static_cast<std::uint8_t>(pass + 1));
        }
    }

    Counts out;
    out.total = space.count;
    for (std::uint8_t entry : table)
        if (entry > 0)
            ++out.reached[std::size_t(entry - 1)];
    return out;
}

}  // namespace literal

// A frame written as text, for the tests and the benchmark's subcommand: per match the marked signs
// in the order 1, X, 2 ("1X2", "1X", "12", "X2", "1", "X", "2", "-" for none), a row as 13 of
// "1", "X", "2" or "-" for no sign.
namespace frametext {

inline std::optional<frameguarantee::Marks> marksOf(const std::vector<std::string>& words)
{
    static const std::array<std::string, 8> kWords{"1X2", "1X", "12", "X2", "1", "X", "2", "-"};
    static const std::array<std::uint8_t, 8> kCount{3, 2, 2, 2, 1, 1, 1, 0};
    if (words.size() != frameguarantee::MatchCount)
        return std::nullopt;
    frameguarantee::Marks marks;
    for (std::size_t m = 0; m < words.size(); ++m) {
        const auto i = static_cast<std::size_t>(std::find(kWords.begin(), kWords.end(), words[m]) - kWords.begin());
        if (i == kWords.size())
            return std::nullopt;
        marks.antalmarkerade[m] = kCount[i];
        marks.ettamarkerad[m] = words[m][0] == '1' ? 1 : 0;
    }
    return marks;
}

// The rows as row creation leaves them in forminne: matches 0..13, one empty row after the last.
inline std::optional<RowMatrix> rowsOf(const std::vector<std::string>& lines)
{
    RowMatrix rows(13, static_cast<long long>(lines.size()));
    for (std::size_t r = 0; r < lines.size(); ++r) {
        if (lines[r].size() != frameguarantee::MatchCount)
            return std::nullopt;
        for (int m = 0; m < frameguarantee::MatchCount; ++m) {
            const std::size_t at = std::string("-1X2").find(lines[r][std::size_t(m)]);
            if (at == std::string::npos)
                return std::nullopt;
            rows.at(m, static_cast<long long>(r)) = static_cast<std::uint8_t>(at);
        }
    }
    return rows;
}

}  // namespace frametext
