#include "frame/couponview.h"

#include "core/framecodes.h"
#include "platform/vbtext.h"

#include <algorithm>

namespace couponview {

Move navigate(int index, std::int32_t kupongstart, double rowCount, const QString& gatillText)
{
    Move out{kupongstart, false};
    switch (index) {
    case Nav::GoTo: {
        const double s = (vb::Int(vb::Val(gatillText)) - 1) * RowsPerCoupon;
        if (s < 0 || s >= rowCount)
            out.notFound = true;
        else
            out.kupongstart = static_cast<std::int32_t>(s);
        break;
    }
    case Nav::First:
        out.kupongstart = 0;
        break;
    case Nav::Last:
        // Without rows there is no last coupon to go back to: stay at the first.
        out.kupongstart =
            static_cast<std::int32_t>(std::max(0.0, vb::Int(rowCount / RowsPerCoupon - 0.01) * RowsPerCoupon));
        break;
    case Nav::Next:
        if (rowCount > kupongstart + RowsPerCoupon)
            out.kupongstart = kupongstart + RowsPerCoupon;
        break;
    case Nav::Previous:
        if (kupongstart >= RowsPerCoupon)
            out.kupongstart = kupongstart - RowsPerCoupon;
        break;
    default:
        break;
    }
    return out;
}

int rowsOnCoupon(std::int32_t kupongstart, double rowCount)
{
    const double left = rowCount - kupongstart;
    if (left > RowsPerCoupon)
        return RowsPerCoupon;
    return left > 0 ? static_cast<int>(left) : 0;
}

QString caption(std::int32_t kupongstart, const QString& rader, const QString& dash)
{
    return rader + vb::Dec(double(kupongstart) + 1) + dash + vb::Dec(double(kupongstart) + RowsPerCoupon);
}

Cells couponCells(const RowMatrix& forminne, std::int32_t kupongstart, int n)
{
    n = std::clamp(n, 0, RowsPerCoupon);
    Cells cells;
    for (int m = 1; m <= 13; ++m) {
        const int row = gridRow(m);
        cells[row][0] = vb::Dec(m);
        for (int i = 1; i <= n; ++i) {
            const long long r = static_cast<long long>(kupongstart) + i - 1;
            std::uint8_t c = 0;
            if (m - 1 <= forminne.upperMatch() && r >= 0 && r <= forminne.upperRow())
                c = forminne.at(m - 1, r);
            if (c >= 1 && c <= 3)
                cells[row][4 * i - 4 + c] = frame::signCaption(c - 1);
        }
    }
    // The grid is emptied from column 4n; with no rows on the coupon that takes the labels too.
    for (int row = 1; row < GridRows; ++row)
        for (int col = 4 * n; col < GridCols; ++col)
            cells[row][col].clear();
    return cells;
}

}  // namespace couponview
