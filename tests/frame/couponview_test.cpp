// The coupon view's arithmetic: where each navigation leads, the caption, and the grid texts of
// one coupon, short last coupons included.

#include "frame/couponview.h"

#include <gtest/gtest.h>

using namespace couponview;

namespace {

// Follows a list of navigations from the first coupon; returns the starts seen after each.
std::vector<int> walk(double rows, std::initializer_list<int> steps)
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

// Rows 0..n-1 where match m of row r holds (m + r) % 4.
RowMatrix patterned(long long n)
{
    RowMatrix rows(13, n);
    for (long long r = 0; r < n; ++r)
        for (int m = 0; m < 13; ++m)
            rows.at(m, r) = static_cast<std::uint8_t>((m + r) % 4);
    return rows;
}

}  // namespace

TEST(CouponPaging, TwentyFiveRowsEndOnAShortThirdCoupon)
{
    using namespace Nav;
    EXPECT_EQ(
        walk(25, {Next, Next, Next, Previous, Last, First, Previous}), (std::vector<int>{10, 20, 20, 10, 20, 0, 0}));
    EXPECT_EQ(rowsOnCoupon(20, 25), 5);
    EXPECT_EQ(caption(20, QStringLiteral("Rader "), QStringLiteral(" - ")), u"Rader 21 - 30");
}

TEST(CouponPaging, TwentyAndTenRows)
{
    using namespace Nav;
    EXPECT_EQ(walk(20, {Next, Next, Last, Previous}), (std::vector<int>{10, 10, 10, 0}));
    EXPECT_EQ(rowsOnCoupon(10, 20), 10);
    EXPECT_EQ(walk(10, {Next, Last, Previous}), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(walk(21, {Last}), (std::vector<int>{20}));
    EXPECT_EQ(rowsOnCoupon(20, 21), 1);
    // Indexes without a navigation of their own redraw where they are.
    EXPECT_EQ(navigate(4, 10, 20).kupongstart, 10);
    EXPECT_EQ(navigate(7, 10, 20).kupongstart, 10);
}

TEST(CouponPaging, GoToChecksTheCouponExists)
{
    EXPECT_EQ(navigate(Nav::GoTo, 0, 20, QStringLiteral("2")).kupongstart, 10);
    EXPECT_EQ(navigate(Nav::GoTo, 0, 20, QStringLiteral(" 2.9 kupong")).kupongstart, 10);
    for (const char* text : {"3", "0", "-1", "", "abc", "1e9"}) {
        const Move m = navigate(Nav::GoTo, 10, 20, QString::fromLatin1(text));
        EXPECT_TRUE(m.notFound) << text;
        EXPECT_EQ(m.kupongstart, 10) << text;
    }
    EXPECT_FALSE(navigate(Nav::GoTo, 0, 21, QStringLiteral("3")).notFound);
}

TEST(CouponPaging, NoRowsNeverLeavesTheFirstCoupon)
{
    EXPECT_EQ(navigate(Nav::Last, 0, 0).kupongstart, 0);
    EXPECT_EQ(rowsOnCoupon(0, 0), 0);
}

TEST(CouponCells, SignsSitInTheirOwnColumnsBetweenSeparators)
{
    const RowMatrix rows = patterned(25);
    const Cells cells = couponCells(rows, 10, 10);
    const int separatorRows[] = {4, 8, 12};
    for (int row : separatorRows)
        for (int col = 0; col < GridCols; ++col)
            EXPECT_TRUE(cells[row][col].isEmpty()) << row << ',' << col;
    const char* const signs[] = {"1", "X", "2"};
    for (int m = 1; m <= 13; ++m) {
        const int row = gridRow(m);
        EXPECT_EQ(cells[row][0], QString::number(m));
        for (int i = 1; i <= 10; ++i) {
            const int c = (m - 1 + 10 + i - 1) % 4;  // SignCode of match m in row 10 + i - 1
            for (int k = 0; k < 3; ++k) {
                const QString expected = c == k + 1 ? QString::fromLatin1(signs[k]) : QString();
                EXPECT_EQ(cells[row][4 * i - 3 + k], expected) << m << ',' << i << ',' << k;
            }
            if (4 * i < GridCols) {
                EXPECT_TRUE(cells[row][4 * i].isEmpty());
            }
        }
    }
    EXPECT_EQ(gridRow(1), 1);
    EXPECT_EQ(gridRow(4), 5);
    EXPECT_EQ(gridRow(9), 11);
    EXPECT_EQ(gridRow(10), 13);
    EXPECT_EQ(gridRow(13), 16);
}

TEST(CouponCells, ShortCouponLeavesTheRestEmpty)
{
    RowMatrix rows(13, 25);
    for (long long r = 0; r <= 25; ++r)
        for (int m = 0; m < 13; ++m)
            rows.at(m, r) = 1;
    const Cells cells = couponCells(rows, 20, 5);
    for (int row = 1; row < GridRows; ++row)
        for (int col = 20; col < GridCols; ++col)
            EXPECT_TRUE(cells[row][col].isEmpty()) << row << ',' << col;
    EXPECT_EQ(cells[gridRow(13)][17], u"1");  // row 25, the last one
    EXPECT_EQ(cells[gridRow(13)][0], u"13");
}

TEST(CouponCells, NoSignAndRowsBeyondTheMatrixShowEmptyCells)
{
    // A frame that never created rows still has its 2 x 2 matrix.
    const Cells cells = couponCells(RowMatrix(1, 1), 0, 10);
    for (int m = 1; m <= 13; ++m)
        for (int col = 1; col < GridCols; ++col)
            EXPECT_TRUE(cells[gridRow(m)][col].isEmpty());
    RowMatrix rows(13, 3);
    rows.at(0, 0) = 0;
    rows.at(0, 1) = 3;
    const Cells some = couponCells(rows, 0, 10);
    for (int col = 1; col <= 4; ++col)
        EXPECT_TRUE(some[1][col].isEmpty());
    EXPECT_EQ(some[1][7], u"2");
}
