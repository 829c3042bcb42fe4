#pragma once
// The guarantee of a frame: every outcome inside the frame classified by how many of its guarded
// matches the nearest created row differs in (0 to 3, or more), and the shares shown for it. Pure
// logic; the window garantiram shows the texts.

#include "frame/rowmatrix.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace frameguarantee {

// What row creation recorded of the frame's marks, per match.
struct Marks {
    std::array<std::uint8_t, 14> antalmarkerade{};  // marked cells 0..3: 2 a half guard, 3 a full guard
    std::array<std::uint8_t, 14> ettamarkerad{};  // 1 when "1" is marked
};

constexpr int MatchCount = 13;

// The outcomes inside the frame as a mixed-radix number, match 0 the least significant place.
struct OutcomeSpace {
    std::array<std::int32_t, MatchCount> weight{};  // W(m)
    std::array<std::int32_t, MatchCount> radix{};  // 1, 2 or 3
    std::int32_t count = 1;  // T
};
OutcomeSpace outcomeSpace(const Marks& marks);

// The 1-based rank of a SignCode among the marked signs of a guarded match; 0 when the row holds no
// sign there (an empty cell of a typed system), which no outcome matches.
int digitOf(std::uint8_t sign, int radix, bool oneMarked);

struct Counts {
    std::array<std::int32_t, 4> reached{};  // outcomes reached with 13, 12, 11 and 10 right
    std::int32_t total = 1;  // T
    bool cancelled = false;
};

// Called as the work goes with the bar's length in twips, 0..4950: the first of three stages (the
// rows and their neighbours) runs to 495, the second to 1980, the third to 4950. Returns true when
// the user has cancelled.
using Progress = std::function<bool(double x)>;

// The rows used are 0 .. rowCount - 1 (those the matrix holds). A cancelled run has no counts.
Counts compute(const RowMatrix& rows, long long rowCount, const Marks& marks, const Progress& progress = {});

// The five result texts: the shares of 13, 12, 11 and 10 right cut to tenths, then the rest as a
// whole number, each with "%".
std::array<QString, 5> resultTexts(const Counts& counts);

}  // namespace frameguarantee
