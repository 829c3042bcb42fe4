// Multiplication of partial systems: the blocks, the product's order, empty cells and the fit limits.

#include "systems/multiplication.h"

#include <gtest/gtest.h>
#include <cstring>
#include <map>

namespace {

// A grid of text cells, as the editor's system grid holds them.
struct Cells {
    int rows;
    int cols;
    std::map<std::pair<int, int>, QString> text;
    QString at(int r, int c) const
    {
        const auto it = text.find({r, c});
        return it == text.end() ? QString() : it->second;
    }
    // The signs of column c from row r down, "." for an empty cell.
    QString column(int c, int r, int n) const
    {
        QString s;
        for (int i = r; i < r + n; ++i)
            s += at(i, c).isEmpty() ? QStringLiteral(".") : at(i, c);
        return s;
    }
};

// Blocks given as column strings ("1X", "2."), laid into the grid at (1, 1) and (1, 10).
struct Product {
    Cells cells{20, 30, {}};
    Multiplication m;
    void lay(int col0, const std::vector<const char*>& columns)
    {
        for (std::size_t a = 0; a < columns.size(); ++a)
            for (int i = 0; columns[a][i]; ++i)
                if (columns[a][i] != '.')
                    cells.text[{1 + i, col0 + static_cast<int>(a)}] = QString(QLatin1Char(columns[a][i]));
    }
    int take(int col0, const std::vector<const char*>& columns)
    {
        lay(col0, columns);
        const int rows = static_cast<int>(std::strlen(columns[0]));
        return m.takeBlock(1, rows, col0, col0 + static_cast<int>(columns.size()) - 1,
            [this](int r, int c) { return cells.at(r, c); });
    }
    Multiplication::Placement place(int r, int c)
    {
        return m.place(r, c, cells.rows, cells.cols,
            [this](int row, int col, QChar s) { cells.text[{row, col}] = QString(s); });
    }
};

TEST(Multiplication, ProductOrderIsAOuterBInner)
{
    Product run;
    run.take(1, {"1", "X"});
    run.take(10, {"1", "2", "X"});
    EXPECT_EQ(run.place(5, 20).lastCol, 25);
    const char* expected[] = {"11", "12", "1X", "X1", "X2", "XX"};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(run.cells.column(20 + t, 5, 2), QString::fromLatin1(expected[t])) << t;
}

TEST(Multiplication, EmptySourceCellsLeaveTheTargetAsItWas)
{
    Product run;
    run.take(1, {"1."});
    run.take(10, {".2"});
    for (int r = 5; r < 9; ++r)
        run.cells.text[{r, 20}] = QStringLiteral("X");
    run.place(5, 20);
    EXPECT_EQ(run.cells.column(20, 5, 4), u"1XX2");
}

TEST(Multiplication, FitLimitsRowsFirst)
{
    // Grid of 20 rows (last row 19) and 30 columns (last column 29); A and B have 2 positions each.
    struct Case {
        int row, col, aColumns, message;
    };
    const Case cases[] = {
        {16, 29, 1, 0},  // product rows 16..19, last column 29: fits
        {17, 29, 1, 24},  // one row beyond
        {16, 29, 2, 25},  // two columns from the last one
        {17, 29, 2, 24},  // both: the rows come first
    };
    for (const Case& c : cases) {
        Product run;
        run.take(1, std::vector<const char*>(static_cast<std::size_t>(c.aColumns), "11"));
        run.take(10, {"22"});
        const auto before = run.cells.text;
        EXPECT_EQ(run.place(c.row, c.col).message, c.message) << c.row << "," << c.aColumns;
        EXPECT_EQ(run.m.state(), Multiplication::State::WaitingForA);
        if (c.message) {
            EXPECT_EQ(run.cells.text, before);
        }
    }
}

}  // namespace
