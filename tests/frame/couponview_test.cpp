// The coupon view's arithmetic: where each navigation leads, the caption, and the grid texts of
// one coupon, short last coupons included.

#include "frame/couponview.h"

#include <gtest/gtest.h>

using namespace couponview;

namespace {

// Follows a list of navigations from the first coupon; returns the starts seen after each.
std::vector<int> walk(double rows, const std::vector<int>& steps)
{
    std::vector<int> seen;
    std::int32_t start = 0;
    for (int index : steps) {
        const Move m = navigate(index, start, rows);
        EXPECT_FALSE(m.notFound);
        start = m.kupongstart;
        seen.push_back(start);
    }
    return seen;
}

// Grid row `row` from column `from` on, an empty cell as ".".
QString line(const Cells& cells, int row, int from = 0)
{
    QString s;
    for (int col = from; col < GridCols; ++col)
        s += cells[row][col].isEmpty() ? QStringLiteral(".") : cells[row][col];
    return s;
}

const QString kEmptyLine = QString(GridCols, u'.');

}  // namespace

TEST(CouponPaging, WalksEndOnTheLastCouponShortOrNot)
{
    using namespace Nav;
    // rows, steps, the start after each, rows on the last coupon
    const std::tuple<double, std::vector<int>, std::vector<int>, int> cases[] = {
        {25, {Next, Next, Next, Previous, Last, First, Previous}, {10, 20, 20, 10, 20, 0, 0}, 5},
        {20, {Next, Next, Last, Previous}, {10, 10, 10, 0}, 10}, {10, {Next, Last, Previous}, {0, 0, 0}, 10},
        {21, {Last}, {20}, 1}, {0, {Last}, {0}, 0}};
    for (const auto& [rows, steps, starts, lastCouponRows] : cases) {
        SCOPED_TRACE(rows);
        EXPECT_EQ(std::pair(walk(rows, steps), rowsOnCoupon(walk(rows, {Last}).back(), rows)),
            std::pair(starts, lastCouponRows));
    }
    EXPECT_EQ(caption(20, QStringLiteral("Rader "), QStringLiteral(" - ")), u"Rader 21 - 30");
    // Indexes without a navigation of their own redraw where they are.
    EXPECT_EQ(std::pair(navigate(4, 10, 20).kupongstart, navigate(7, 10, 20).kupongstart), std::pair(10, 10));
}

TEST(CouponPaging, GoToChecksTheCouponExists)
{
    EXPECT_EQ(std::pair(navigate(Nav::GoTo, 0, 20, QStringLiteral("2")).kupongstart,
                  navigate(Nav::GoTo, 0, 20, QStringLiteral(" 2.9 kupong")).kupongstart),
        std::pair(10, 10));
    for (const char* text : {"3", "0", "-1", "", "abc", "1e9"}) {
        const Move m = navigate(Nav::GoTo, 10, 20, QString::fromLatin1(text));
        EXPECT_EQ(std::pair(m.notFound, m.kupongstart), std::pair(true, 10)) << text;
    }
    EXPECT_FALSE(navigate(Nav::GoTo, 0, 21, QStringLiteral("3")).notFound);
}

TEST(CouponCells, SignsSitInTheirOwnColumnsAndAShortCouponLeavesTheRestEmpty)
{
    // Rows 0..25 where match m of row r holds (m + r) % 4.
    RowMatrix rows(13, 25);
    for (long long r = 0; r <= 25; ++r)
        for (int m = 0; m < 13; ++m)
            rows.at(m, r) = static_cast<std::uint8_t>((m + r) % 4);
    // Match m's grid line on a coupon of n rows from `start`: its number, then each row's sign group.
    auto want = [](int m, int start, int n) {
        static const char* groups[] = {"....", "1...", ".X..", "..2."};  // by SignCode
        QString w;
        for (int i = 0; i < n; ++i)
            w += QString::fromLatin1(groups[(m - 1 + start + i) % 4]);
        return QString(QString::number(m) + w.leftJustified(GridCols - 1, u'.', true));
    };
    const Cells full = couponCells(rows, 10, 10), last = couponCells(rows, 20, 5);
    for (int row : {4, 8, 12})
        EXPECT_EQ(QString(line(full, row) + line(last, row)), QString(kEmptyLine + kEmptyLine)) << row;
    for (int m = 1; m <= 13; ++m)
        EXPECT_EQ(QString(line(full, gridRow(m)) + u' ' + line(last, gridRow(m))),
            QString(want(m, 10, 10) + u' ' + want(m, 20, 5)))
            << m;
    EXPECT_EQ(
        (std::vector{gridRow(1), gridRow(4), gridRow(9), gridRow(10), gridRow(13)}), (std::vector{1, 5, 11, 13, 16}));

    // A frame that never created rows still has its 2 x 2 matrix.
    const Cells none = couponCells(RowMatrix(1, 1), 0, 10);
    for (int m = 1; m <= 13; ++m)
        EXPECT_EQ(line(none, gridRow(m), 1), kEmptyLine.left(GridCols - 1)) << m;
    RowMatrix some(13, 3);
    some.at(0, 1) = 3;
    EXPECT_EQ(line(couponCells(some, 0, 10), 1).left(8), u"1......2");
}
