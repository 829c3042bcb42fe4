#include "platform/grid.h"

#include "support/scripteduser.h"
#include "support/testhelpers.h"

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void size(Grid& g, int rows, int cols)
{
    g.setRows(rows);
    g.setCols(cols);
}

// A grid of rows x cols whose cell (r, c) holds "r,c".
void fill(Grid& g, int rows, int cols)
{
    size(g, rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.setTextMatrix(r, c, QString::number(r) + QLatin1Char(',') + QString::number(c));
}

// Rows first..last, each its cells from column 1 on joined by "|", the rows by " / ".
QString rowText(const Grid& g, int first, int last)
{
    QStringList rows;
    for (int r = first; r <= last; ++r) {
        QStringList cells;
        for (int c = 1; c < g.Cols(); ++c)
            cells << g.TextMatrix(r, c);
        rows << cells.join(u'|');
    }
    return rows.join(u" / ");
}

void select(Grid& g, int r1, int c1, int r2, int c2)
{
    g.setSelStartRow(r1);
    g.setSelStartCol(c1);
    g.setSelEndRow(r2);
    g.setSelEndCol(c2);
}

using Block = std::array<int, 4>;  // start row, start column, end row, end column
Block selection(const Grid& g) { return {g.SelStartRow(), g.SelStartCol(), g.SelEndRow(), g.SelEndCol()}; }
std::pair<int, int> current(const Grid& g) { return {g.Row(), g.Col()}; }

}  // namespace

TEST(Grid, ClipJoinsCellsByTabAndRowsByCrWithNothingAfterTheLastRow)
{
    Grid g;
    fill(g, 4, 5);
    select(g, 1, 1, 2, 3);
    EXPECT_EQ(g.Clip(), QStringLiteral("1,1\t1,2\t1,3\r2,1\t2,2\t2,3"));
    select(g, 2, 2, 2, 2);
    EXPECT_EQ(g.Clip(), QStringLiteral("2,2"));
    // Start and end given the other way round read as the same block.
    select(g, 2, 3, 1, 1);
    EXPECT_EQ(selection(g), (Block{1, 1, 2, 3}));
    EXPECT_EQ(g.Clip(), QStringLiteral("1,1\t1,2\t1,3\r2,1\t2,2\t2,3"));
}

TEST(Grid, ClipSetFillsTheBlockAndTakesCrLfAsOneRowBreak)
{
    Grid g;
    size(g, 5, 4);
    select(g, 1, 1, 2, 2);
    g.setClip(QStringLiteral("1\tX\r\n2\t1"));
    EXPECT_EQ(rowText(g, 1, 2), u"1|X| / 2|1|");  // no LF kept at the start of the row

    // A lone CR and a lone LF break rows too.
    select(g, 1, 1, 3, 1);
    g.setClip(QStringLiteral("a\rb\nc"));
    EXPECT_EQ(rowText(g, 1, 3), u"a|X| / b|1| / c||");
}

TEST(Grid, ClipSetWritesNothingBeyondTheBlockAndLeavesMissingCellsAlone)
{
    Grid g;
    fill(g, 4, 4);
    select(g, 1, 1, 1, 2);
    g.setClip(QStringLiteral("a\tb\tc\rd\te"));
    EXPECT_EQ(rowText(g, 1, 2), u"a|b|1,3 / 2,1|2,2|2,3");

    select(g, 1, 1, 2, 3);
    g.setClip(QStringLiteral("x"));
    EXPECT_EQ(rowText(g, 1, 2), u"x|b|1,3 / 2,1|2,2|2,3");

    // Empty cells in the text empty the cells.
    g.setClip(QStringLiteral("\t\r\t"));
    EXPECT_EQ(rowText(g, 1, 2), u"||1,3 / ||2,3");
}

TEST(Grid, TooManyColumnsRaises30010AndLeavesTheGridAsItWas)
{
    Grid g;
    fill(g, 3, 4);
    g.setColWidth(2, 450);
    g.setCol(3);
    EXPECT_EQ(errorOf([&] { g.setCols(Grid::MaxCols + 1); }), vberr::GridTooManyColumns);
    EXPECT_EQ(std::tuple(g.Cols(), g.Rows(), g.Col(), g.ColWidth(2)), std::tuple(4, 3, 3, 450));
    EXPECT_EQ(g.TextMatrix(2, 3), QStringLiteral("2,3"));

    g.setCols(Grid::MaxCols);
    EXPECT_EQ(g.Cols(), 5451);
    EXPECT_EQ(g.TextMatrix(2, 3), QStringLiteral("2,3"));  // resizing keeps the cells
}

TEST(Grid, ShrinkingKeepsCurrentCellAndSelectionInside)
{
    Grid g;
    fill(g, 10, 10);
    g.setRow(9);
    g.setCol(9);
    select(g, 5, 5, 9, 9);
    size(g, 4, 3);
    EXPECT_EQ(current(g), std::pair(3, 2));
    EXPECT_EQ(selection(g), (Block{3, 2, 3, 2}));
    EXPECT_EQ(g.Text(), QStringLiteral("3,2"));
    EXPECT_EQ(errorOf([&] { g.setRow(4); }), 30009);
    EXPECT_EQ(errorOf([&] { (void)g.TextMatrix(0, 3); }), vberr::GridTooManyColumns);
}

TEST(Grid, CurrentCellMovesWithoutTouchingTheSelection)
{
    Grid g;
    fill(g, 6, 6);
    select(g, 1, 1, 3, 2);
    int rowColChanges = 0;
    QObject::connect(&g, &Grid::RowColChange, [&] { ++rowColChanges; });
    g.setCol(0);
    g.setRow(4);
    g.setText(QStringLiteral("1X2"));
    EXPECT_EQ(g.TextMatrix(4, 0), QStringLiteral("1X2"));
    EXPECT_EQ(rowColChanges, 2);
    processEvents();  // the view catching up must not move our selection either
    EXPECT_EQ(selection(g), (Block{1, 1, 3, 2}));
    EXPECT_EQ(current(g), std::pair(4, 0));
}

TEST(Grid, SelectionFollowsTheUser)
{
    Grid g;
    fill(g, 6, 6);
    g.resize(400, 300);
    g.show();
    processEvents();
    int selChanges = 0;
    QObject::connect(&g, &Grid::SelChange, [&] { ++selChanges; });
    // Model index (r, c) is grid cell (r + 1, c + 1): row 0 and column 0 are the headers.
    const QRect from = g.visualRect(g.model()->index(1, 1));
    const QRect to = g.visualRect(g.model()->index(2, 3));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, from.center());
    EXPECT_EQ(current(g), std::pair(2, 2));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, to.center());
    EXPECT_EQ(selection(g), (Block{2, 2, 3, 4}));
    EXPECT_GE(selChanges, 1);
    EXPECT_EQ(g.Clip(), QStringLiteral("2,2\t2,3\t2,4\r3,2\t3,3\t3,4"));
}

TEST(Grid, FixedCellsAreCellsAndShowAsHeaders)
{
    Grid g;
    fill(g, 3, 3);
    EXPECT_EQ(g.model()->rowCount(), 2);
    EXPECT_EQ(g.model()->columnCount(), 2);
    EXPECT_EQ(g.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("0,1"));
    EXPECT_EQ(g.model()->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("2,0"));
    EXPECT_EQ(g.model()->data(g.model()->index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("1,1"));

    g.setFixedRows(0);
    g.setFixedCols(0);
    EXPECT_EQ(g.model()->rowCount(), 3);
    EXPECT_EQ(g.model()->data(g.model()->index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("0,0"));

    // A sign byte 0 from a file stays in the cell but is drawn as nothing, as the old grid drew it.
    g.setTextMatrix(1, 1, QString(QChar(0)));
    EXPECT_EQ(g.TextMatrix(1, 1).size(), 1);
    EXPECT_EQ(g.model()->data(g.model()->index(1, 1), Qt::DisplayRole).toString(), QString());
}

TEST(Grid, SizesInTwipsAndAlignments)
{
    Grid g;
    size(g, 6, 6);
    for (int i = 0; i < 6; ++i)
        g.setColWidth(i, i == 4 ? 5 : 180);
    g.setColWidth(0, 280);
    g.setRowHeight(4, 5);
    g.setColAlignment(3, 2);
    g.setFixedAlignment(3, 1);
    EXPECT_EQ(std::tuple(g.ColWidth(4), g.RowHeight(4), g.ColPos(2), g.ColAlignment(3), g.FixedAlignment(3)),
        std::tuple(5, 5, 280 + 180, 2, 1));
    EXPECT_EQ(errorOf([&] { g.setColAlignment(3, 7); }), vberr::InvalidPropertyValue);
    g.syncView();
    // Column 4 (model column 3) is a thin separator, the others share one width.
    EXPECT_LT(g.columnWidth(3), g.columnWidth(2));
    EXPECT_EQ(g.columnWidth(0), g.columnWidth(4));
}

TEST(Grid, LeftColReadsBackAsSetAndIsCheckedAgainstTheColumns)
{
    Grid g;
    size(g, 14, 101);
    g.setLeftCol(88);
    EXPECT_EQ(g.LeftCol(), 88);
    EXPECT_EQ(errorOf([&] { g.setLeftCol(101); }), vberr::InvalidPropertyValue);
}

TEST(Grid, KeysReachTheProgramAndCharactersDoNotMoveTheGrid)
{
    Grid g;
    fill(g, 5, 5);
    std::vector<int> downs, presses;
    QObject::connect(&g, &Grid::KeyDown, [&](int& code, int) { downs.push_back(code); });
    QObject::connect(&g, &Grid::KeyPress, [&](int& ascii) { presses.push_back(ascii); });
    QTest::sendKeyEvent(QTest::KeyAction::Click, &g, Qt::Key_X, QStringLiteral("X"), Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_1);
    QTest::keyClick(&g, Qt::Key_Space);
    EXPECT_EQ(downs, (std::vector<int>{16, 88, 49, 32}));  // Shift has its own KeyDown
    EXPECT_EQ(presses, (std::vector<int>{'X', '1', ' '}));
    EXPECT_EQ(current(g), std::pair(1, 1));

    // Arrows still move the current cell; a handler can swallow them.
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(std::pair(g.Row(), g.SelStartRow()), std::pair(2, 2));
    QObject::connect(&g, &Grid::KeyDown, [](int& code, int) { code = 0; });
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.Row(), 2);
}

TEST(Grid, WholeSystemGridRoundTripsThroughClip)
{
    // The largest system: every cell set, copied and pasted back into an emptied grid.
    Grid g;
    size(g, 14, Grid::MaxCols);
    static const QString signs[] = {QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")};
    for (int c = 1; c < g.Cols(); ++c)
        for (int r = 1; r < g.Rows(); ++r)
            g.setTextMatrix(r, c, signs[(r + c) % 3]);
    select(g, 1, 1, 13, Grid::MaxCols - 1);
    const QString clip = g.Clip();
    EXPECT_EQ(clip.count(QChar(13)), 12);
    EXPECT_EQ(clip.count(QChar(9)), 13 * (Grid::MaxCols - 2));

    Grid h;
    size(h, 14, Grid::MaxCols);
    select(h, 1, 1, 13, Grid::MaxCols - 1);
    h.setClip(clip);
    EXPECT_EQ(h.TextMatrix(13, Grid::MaxCols - 1), g.TextMatrix(13, Grid::MaxCols - 1));
    EXPECT_EQ(h.Clip(), clip);
}

TEST(Grid, AThinSeparatorColumnOrRowNeverVanishes)
{
    // The coupon view separates its groups by columns and rows of a few twips: less than a pixel.
    Grid g;
    size(g, 5, 6);
    g.setFixedRows(0);  // every grid row and column is then a row and column of the view
    g.setFixedCols(0);
    g.setColWidth(4, 5);
    g.setRowHeight(3, 5);
    g.setColWidth(5, 0);  // a width of 0 still hides a column
    g.syncView();
    EXPECT_GE(g.columnWidth(4), 1);
    EXPECT_GE(g.rowHeight(3), 1);
    EXPECT_EQ(g.columnWidth(5), 0);
}
