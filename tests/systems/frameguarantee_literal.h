#pragma once
// The old three passes of the frame guarantee, kept slow on purpose: every row's own outcome and its
// neighbours, then every pair and every triple of changed matches, each visit building the index
// over all 13 matches. Progress is reported once per row and pass with the old bar positions. A row
// without a sign in a guarded match has every digit there as an alternative and no outcome of its
// own in that match. The tests and the benchmarks hold the fast count against it.

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
    const OutcomeSpace space = outcomeSpace(marks);
    const long long n = std::clamp(rowCount, 0LL, rows.upperRow() + 1);
    std::vector<std::uint8_t> table(static_cast<std::size_t>(space.count), 0);
    using Digits = std::array<int, MatchCount>;

    // The digits a match is changed to: the next one and the one after it; its own digit once when the
    // match is not guarded.
    struct Alternatives {
        std::array<int, 3> digit{};
        int count = 0;
        const int* begin() const { return digit.data(); }
        const int* end() const { return digit.data() + count; }
    };
    auto alternatives = [&](int m, int d) {
        const int radix = space.radix[std::size_t(m)];
        Alternatives alt;
        if (radix == 1)
            alt = {{d, 0, 0}, 1};
        else if (d == 0)
            alt = {{1, 2, 3}, radix};
        else if (radix == 2)
            alt = {{3 - d, 0, 0}, 1};
        else
            alt = {{d % 3 + 1, (d + 1) % 3 + 1, 0}, 2};
        return alt;
    };
    auto mark = [&](const Digits& D, std::uint8_t code, bool always) {
        std::int32_t index = 0;
        for (int m = 0; m < MatchCount; ++m) {
            if (space.radix[std::size_t(m)] == 1)
                continue;
            if (D[std::size_t(m)] == 0)
                return;  // no such outcome
            index += space.weight[std::size_t(m)] * (D[std::size_t(m)] - 1);
        }
        std::uint8_t& entry = table[std::size_t(index)];
        if (always || entry == 0)
            entry = code;
    };
    auto digits = [&](long long r) {
        Digits D{};
        for (int m = 0; m < MatchCount; ++m) {
            const std::uint8_t sign = m <= rows.upperMatch() ? rows.at(m, r) : 0;
            D[std::size_t(m)] = digitOf(sign, space.radix[std::size_t(m)], marks.ettamarkerad[std::size_t(m)] == 1);
        }
        return D;
    };
    auto cancelled = [&](double x) { return progress && progress(x); };
    const double N = static_cast<double>(n);

    for (long long r = 0; r < n; ++r) {
        if (cancelled(4950.0 * static_cast<double>(r) / (10 * N)))
            return Counts{{}, space.count, true};
        const Digits D = digits(r);
        mark(D, 1, true);
        for (int m = 0; m < MatchCount; ++m) {
            if (space.radix[std::size_t(m)] == 1)
                continue;
            for (int a : alternatives(m, D[std::size_t(m)])) {
                Digits E = D;
                E[std::size_t(m)] = a;
                mark(E, 2, false);
            }
        }
    }
    for (long long r = 0; r < n; ++r) {
        if (cancelled(495 + 4455.0 * static_cast<double>(r) / (3 * N)))
            return Counts{{}, space.count, true};
        const Digits D = digits(r);
        for (int m1 = 0; m1 < MatchCount; ++m1)
            for (int a1 : alternatives(m1, D[std::size_t(m1)])) {
                Digits D1 = D;
                D1[std::size_t(m1)] = a1;
                for (int m2 = m1 + 1; m2 < MatchCount; ++m2)
                    for (int a2 : alternatives(m2, D1[std::size_t(m2)])) {
                        Digits D2 = D1;
                        D2[std::size_t(m2)] = a2;
                        mark(D2, 3, false);
                    }
            }
    }
    for (long long r = 0; r < n; ++r) {
        if (cancelled(1980 + 2970.0 * static_cast<double>(r) / N))
            return Counts{{}, space.count, true};
        const Digits D = digits(r);
        for (int m1 = 0; m1 < MatchCount; ++m1)
            for (int a1 : alternatives(m1, D[std::size_t(m1)])) {
                Digits D1 = D;
                D1[std::size_t(m1)] = a1;
                for (int m2 = m1 + 1; m2 < MatchCount; ++m2)
                    for (int a2 : alternatives(m2, D1[std::size_t(m2)])) {
                        Digits D2 = D1;
                        D2[std::size_t(m2)] = a2;
                        for (int m3 = m2 + 1; m3 < MatchCount; ++m3)
                            for (int a3 : alternatives(m3, D2[std::size_t(m3)])) {
                                Digits D3 = D2;
                                D3[std::size_t(m3)] = a3;
                                mark(D3, 4, false);
                            }
                    }
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

inline bool markMatch(const std::string& word, frameguarantee::Marks& marks, std::size_t m)
{
    static const std::array<const char*, 8> kWords{"1X2", "1X", "12", "X2", "1", "X", "2", "-"};
    static const std::array<std::uint8_t, 8> kCount{3, 2, 2, 2, 1, 1, 1, 0};
    for (std::size_t i = 0; i < kWords.size(); ++i)
        if (word == kWords[i]) {
            marks.antalmarkerade[m] = kCount[i];
            marks.ettamarkerad[m] = word[0] == '1' ? 1 : 0;
            return true;
        }
    return false;
}

inline std::optional<frameguarantee::Marks> marksOf(const std::vector<std::string>& words)
{
    frameguarantee::Marks marks;
    if (words.size() != frameguarantee::MatchCount)
        return std::nullopt;
    for (std::size_t m = 0; m < words.size(); ++m)
        if (!markMatch(words[m], marks, m))
            return std::nullopt;
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
