// A stored guarantee grid of any shape put into the editor's grid.

#include "platform/grid.h"
#include "shell/systemfile.h"
#include "shell/systemgrids.h"

#include <gtest/gtest.h>

TEST(SystemGrids, AStoredGuaranteeGridTakesAShapeTheEditorHandles)
{
    struct Case {
        int cols, rows, wantCols, wantRows;
    };
    const Case cases[] = {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 4, 3, 4}, {3, 2, 3, 2}, {4, 1, 6, 1}, {5, 3, 6, 3},
        {6, 3, 6, 3}, {7, 2, 7, 2}, {9, 2, 7, 2}, {255, 255, 7, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cols * 1000 + c.rows);
        SystemBlock b;
        b.gCols = c.cols;
        b.gRows = c.rows;
        b.resizeToCounts();
        for (int col = 0; col < c.cols; ++col)
            b.setGuaranteeCell(c.rows - 1, col, QString::number(col));
        Grid g;
        putGuarantee(g, b);
        EXPECT_EQ(std::pair(g.Cols(), g.Rows()), std::pair(c.wantCols, c.wantRows));
        for (int col = 0; col < std::min(c.cols, c.wantCols) && c.rows > 0; ++col)
            EXPECT_EQ(g.TextMatrix(c.rows - 1, col), QString::number(col));
    }
}
