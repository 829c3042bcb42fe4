#include "platform/grid.h"

#include "support/scripteduser.h"
#include "support/testhelpers.h"

#include <QKeyEvent>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void size(Grid& g, int rows, int cols) { g.setRows(rows), g.setCols(cols); }

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

TEST(Grid, ClipJoinsCellsByTabAndRowsByCrAndSetsTheBlockBack)
{
    Grid g;
    fill(g, 5, 4);
    select(g, 1, 1, 2, 3);
    EXPECT_EQ(g.Clip(), QStringLiteral("1,1\t1,2\t1,3\r2,1\t2,2\t2,3"));
    select(g, 2, 2, 2, 2);
    EXPECT_EQ(g.Clip(), QStringLiteral("2,2"));
    // Start and end given the other way round read as the same block.
    select(g, 2, 3, 1, 1);
    EXPECT_EQ(selection(g), (Block{1, 1, 2, 3}));
    EXPECT_EQ(g.Clip(), QStringLiteral("1,1\t1,2\t1,3\r2,1\t2,2\t2,3"));

    // Setting Clip fills only the block and takes CR LF as one row break.
    select(g, 1, 1, 2, 2);
    g.setClip(QStringLiteral("1\tX\r\n2\t1"));
    EXPECT_EQ(rowText(g, 1, 2), u"1|X|1,3 / 2|1|2,3");  // no LF kept at the start of the row
    // A lone CR and a lone LF break rows too.
    select(g, 1, 1, 3, 1);
    g.setClip(QStringLiteral("a\rb\nc"));
    EXPECT_EQ(rowText(g, 1, 3), u"a|X|1,3 / b|1|2,3 / c|3,2|3,3");
    // Text beyond the block is dropped, missing cells are left alone, empty ones empty the cell.
    select(g, 1, 1, 1, 2);
    g.setClip(QStringLiteral("d\te\tf\rg\th"));
    EXPECT_EQ(rowText(g, 1, 2), u"d|e|1,3 / b|1|2,3");
    select(g, 1, 1, 2, 3);
    g.setClip(QStringLiteral("x"));
    EXPECT_EQ(rowText(g, 1, 2), u"x|e|1,3 / b|1|2,3");
    g.setClip(QStringLiteral("\t\r\t"));
    EXPECT_EQ(rowText(g, 1, 2), u"||1,3 / ||2,3");
}

TEST(Grid, TooManyColumnsRaises30010AndLeavesTheGridAsItWasAndShrinkingKeepsTheCursorInside)
{
    Grid g;
    fill(g, 10, 10);
    g.setColWidth(2, 450);
    g.setRow(9);
    g.setCol(9);
    select(g, 5, 5, 9, 9);
    EXPECT_EQ(errorOf([&] { g.setCols(Grid::MaxCols + 1); }), vberr::GridTooManyColumns);
    EXPECT_EQ(std::tuple(g.Cols(), g.Rows(), g.Col(), g.ColWidth(2), g.TextMatrix(2, 3)),
        std::tuple(10, 10, 9, 450, QStringLiteral("2,3")));
    size(g, 4, 3);
    EXPECT_EQ(std::tuple(current(g), selection(g), g.Text()), std::tuple(std::pair(3, 2), Block{3, 2, 3, 2}, u"3,2"_s));
    EXPECT_EQ(std::pair(errorOf([&] { g.setRow(4); }), errorOf([&] { (void)g.TextMatrix(0, 3); })),
        std::pair(30009, vberr::GridTooManyColumns));
    g.setCols(Grid::MaxCols);
    EXPECT_EQ(std::pair(g.Cols(), g.TextMatrix(2, 2)), std::pair(5451, QStringLiteral("2,2")));  // keeps cells
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
    EXPECT_EQ(std::pair(g.TextMatrix(4, 0), rowColChanges), std::pair(u"1X2"_s, 2));
    processEvents();  // the view catching up must not move our selection either
    EXPECT_EQ(std::pair(current(g), selection(g)), std::pair(std::pair(4, 0), Block{1, 1, 3, 2}));
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
    const auto at = [&](int r, int c) { return g.visualRect(g.model()->index(r, c)).center(); };
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, at(1, 1));
    EXPECT_EQ(current(g), std::pair(2, 2));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(2, 3));
    EXPECT_EQ(std::tuple(selection(g), selChanges >= 1, g.Clip()),
        std::tuple(Block{2, 2, 3, 4}, true, u"2,2\t2,3\t2,4\r3,2\t3,3\t3,4"_s));
}

TEST(Grid, FixedCellsAreCellsAndShowAsHeaders)
{
    Grid g;
    fill(g, 3, 3);
    const QAbstractItemModel& m = *g.model();
    const auto shown = [&](int r, int c) { return m.data(m.index(r, c), Qt::DisplayRole).toString(); };
    EXPECT_EQ(std::tuple(m.rowCount(), m.columnCount(), m.headerData(0, Qt::Horizontal).toString(),
                  m.headerData(1, Qt::Vertical).toString(), shown(0, 0)),
        std::tuple(2, 2, u"0,1"_s, u"2,0"_s, u"1,1"_s));
    g.setFixedRows(0);
    g.setFixedCols(0);
    EXPECT_EQ(std::pair(m.rowCount(), shown(0, 0)), std::pair(3, u"0,0"_s));
    // A sign byte 0 from a file stays in the cell but is drawn as nothing.
    g.setTextMatrix(1, 1, QString(QChar(0)));
    EXPECT_EQ(std::pair(g.TextMatrix(1, 1).size(), shown(1, 1)), std::pair(1LL, QString()));
}

TEST(Grid, SizesInTwipsAlignmentsAndLeftCol)
{
    Grid g;
    size(g, 14, 101);
    for (int i = 0; i < 6; ++i)
        g.setColWidth(i, i == 4 ? 5 : 180);
    g.setColWidth(0, 280);
    g.setColWidth(5, 0);  // a width of 0 still hides a column
    g.setRowHeight(3, 5);
    g.setColAlignment(3, 2);
    g.setFixedAlignment(3, 1);
    g.setLeftCol(88);
    EXPECT_EQ(
        std::tuple(g.ColWidth(4), g.RowHeight(3), g.ColPos(2), g.ColAlignment(3), g.FixedAlignment(3), g.LeftCol()),
        std::tuple(5, 5, 280 + 180, 2, 1, 88));
    EXPECT_EQ(std::pair(errorOf([&] { g.setColAlignment(3, 7); }), errorOf([&] { g.setLeftCol(101); })),
        std::pair(vberr::InvalidPropertyValue, vberr::InvalidPropertyValue));
    g.syncView();
    // Model column c is grid column c + 1. The coupon view's separators of a few twips are less than a
    // pixel but never vanish.
    EXPECT_EQ(std::tuple(g.columnWidth(3) >= 1, g.rowHeight(2) >= 1, g.columnWidth(4),
                  g.columnWidth(3) < g.columnWidth(1), g.columnWidth(0) == g.columnWidth(2)),
        std::tuple(true, true, 0, true, true));
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
    // Shift has its own KeyDown.
    EXPECT_EQ(std::tuple(downs, presses, current(g)),
        std::tuple(std::vector<int>{16, 88, 49, 32}, std::vector<int>{'X', '1', ' '}, std::pair(1, 1)));

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
    EXPECT_EQ(std::pair(clip.count(QChar(13)), clip.count(QChar(9))), std::pair(12LL, 13LL * (Grid::MaxCols - 2)));

    Grid h;
    size(h, 14, Grid::MaxCols);
    select(h, 1, 1, 13, Grid::MaxCols - 1);
    h.setClip(clip);
    EXPECT_EQ(h.Clip(), clip);
}
