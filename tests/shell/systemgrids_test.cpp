// A stored guarantee grid of any shape put into the editor's grid.

#include "platform/grid.h"
#include "shell/systemfile.h"
#include "shell/systemgrids.h"

#include <gtest/gtest.h>

TEST(SystemGrids, AStoredGuaranteeGridTakesAShapeTheEditorHandles)
{
    // columns and rows stored, columns and rows shown
    const std::array<int, 4> cases[] = {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 4, 3, 4}, {3, 2, 3, 2}, {4, 1, 6, 1},
        {5, 3, 6, 3}, {6, 3, 6, 3}, {7, 2, 7, 2}, {9, 2, 7, 2}, {255, 255, 7, 255}};
    for (const auto& [cols, rows, wantCols, wantRows] : cases) {
        SCOPED_TRACE(cols * 1000 + rows);
        SystemBlock b;
        b.gCols = cols;
        b.gRows = rows;
        b.resizeToCounts();
        for (int col = 0; col < cols; ++col)
            b.setGuaranteeCell(rows - 1, col, QString::number(col));
        Grid g;
        putGuarantee(g, b);
        EXPECT_EQ(std::pair(g.Cols(), g.Rows()), std::pair(wantCols, wantRows));
        for (int col = 0; col < std::min(cols, wantCols) && rows > 0; ++col)
            EXPECT_EQ(g.TextMatrix(rows - 1, col), QString::number(col));
    }
}
