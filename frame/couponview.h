#pragma once
// The coupon view without its window: which coupon of ten rows a navigation shows, its caption,
// and the texts of the coupon grid Grid2 for it. Form1 writes the results into its controls.

#include "core/rowmatrix.h"

#include <QString>

#include <array>
#include <cstdint>

namespace couponview {

constexpr int RowsPerCoupon = 10;
constexpr int GridRows = 17;  // heading row, 13 matches, separator rows 4, 8 and 12
constexpr int GridCols = 40;  // label column, ten groups "1", "X", "2" with a separator after each

// Navigation index of Command1_Click.
namespace Nav {
constexpr int First = 0;
constexpr int Previous = 1;
constexpr int Next = 2;
constexpr int Last = 3;
constexpr int GoTo = 5;  // the coupon typed in the go-to dialog
}  // namespace Nav

struct Move {
    std::int32_t kupongstart = 0;
    bool notFound = false;  // go to a coupon that does not exist: kMsgNoSuchCoupon, nothing changes
};
// Where navigation `index` leads from `kupongstart` with `rowCount` rows (Val of Allrad).
// gatillText is the go-to dialog's text, read only for GoTo. Other indexes stay where they are.
Move navigate(int index, std::int32_t kupongstart, double rowCount, const QString& gatillText = {});

// Rows on the coupon that starts at kupongstart, 0..10.
int rowsOnCoupon(std::int32_t kupongstart, double rowCount);

// Label4: "Rader " & first & " - " & first + 9 (always ten, also on a short last coupon).
QString caption(std::int32_t kupongstart, const QString& rader, const QString& dash);

// Grid row of match 1..13: after every three matches comes a thin separator row.
constexpr int gridRow(int match) { return match + (match - 1) / 3 - (match == 13 ? 1 : 0); }

// Texts of grid rows 1..16, columns 0..39 (row 0, the heading, is not part of it) for the coupon
// of n rows from kupongstart: match numbers in column 0, each row's sign in its own column of its
// group, and everything from column 4n on empty so a short coupon shows no leftovers.
// Signs outside the matrix count as no sign.
using Cells = std::array<std::array<QString, GridCols>, GridRows>;
Cells couponCells(const RowMatrix& forminne, std::int32_t kupongstart, int n);

}  // namespace couponview
