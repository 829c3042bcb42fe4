// Multiplication of partial systems: the blocks, the product's order, empty cells and the fit limits.

#include "systems/multiplication.h"

#include <QMap>
#include <QStringList>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A 20 x 30 grid of text cells, as the editor's system grid holds them, and the blocks given as column strings
// ("1X", "2."), taken from the grid at (1, 1) and (1, 10).
struct Product {
    QMap<std::pair<int, int>, QString> cells;
    Multiplication m;
    void lay(int row0, int col0, const std::vector<const char*>& columns)
    {
        for (std::size_t a = 0; a < columns.size(); ++a)
            for (int i = 0; columns[a][i]; ++i)
                if (columns[a][i] != '.')
                    cells[{row0 + i, col0 + static_cast<int>(a)}] = QString(QLatin1Char(columns[a][i]));
    }
    UiTextId take(int col0, const std::vector<const char*>& columns)
    {
        lay(1, col0, columns);
        const auto cell = [this](int r, int c) { return cells.value({r, c}); };
        return m.takeBlock(1, int(std::strlen(columns[0])), col0, col0 + int(columns.size()) - 1, cell);
    }
    Multiplication::Placement place(int r, int c)
    {
        return m.place(r, c, 20, 30, [this](int row, int col, QChar s) { cells[{row, col}] = QString(s); });
    }
    // The signs of columns c.. from row r down, "." for an empty cell, the columns joined by " ".
    QString block(int r, int c, int rows, int cols) const
    {
        QStringList out;
        for (int j = c; j < c + cols; ++j) {
            out << QString();
            for (int i = r; i < r + rows; ++i)
                out.back() += cells.value({i, j}, QStringLiteral("."));
        }
        return out.join(u' ');
    }
};

TEST(Multiplication, ProductOrderIsAOuterBInnerAndEmptySourceCellsLeaveTheTarget)
{
    Product run;
    run.take(1, {"1", "X"});
    run.take(10, {"1", "2", "X"});
    EXPECT_EQ(run.place(5, 20).lastCol, 25);
    EXPECT_EQ(run.block(5, 20, 2, 6), u"11 12 1X X1 X2 XX");

    Product gaps;  // empty source cells leave the target as it was
    gaps.take(1, {"1."});
    gaps.take(10, {".2"});
    gaps.lay(5, 20, {"XXXX"});
    gaps.place(5, 20);
    EXPECT_EQ(gaps.block(5, 20, 4, 1), u"1XX2");
}

TEST(Multiplication, FitLimitsRowsFirst)
{
    // Grid of 20 rows (last row 19) and 30 columns (last column 29); A and B have 2 positions each.
    const std::tuple<int, int, int, int> cases[] = {
        // row, column, columns of A, message
        {16, 29, 1, 0},  // product rows 16..19, last column 29: fits
        {17, 29, 1, 24},  // one row beyond
        {16, 29, 2, 25},  // two columns from the last one
        {17, 29, 2, 24},  // both: the rows come first
    };
    for (const auto& [row, col, aColumns, message] : cases) {
        Product run;
        run.take(1, std::vector<const char*>(static_cast<std::size_t>(aColumns), "11"));
        run.take(10, {"22"});
        const auto before = run.cells;
        const std::optional<MessageTextId> placed = run.place(row, col).message;
        EXPECT_EQ(placed ? placed->value : 0, message) << row << "," << aColumns;
        // A product that does not fit writes nothing.
        EXPECT_EQ(std::pair(run.m.state(), !message || run.cells == before),
            std::pair(Multiplication::State::WaitingForA, true));
    }
}

}  // namespace
