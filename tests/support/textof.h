#pragma once
// Whole things as one text, so a test compares a grid or the boxes shown in one expectation.

#include "platform/grid.h"
#include "support/scripteduser.h"

#include <QStringList>

// Cells of rows `row0`.. from column `col0` on, joined by "|", the rows by "/".
inline QString gridText(const Grid& g, int row0 = 0, int col0 = 0)
{
    QStringList rows;
    for (int r = row0; r < g.Rows(); ++r) {
        QStringList cells;
        for (int c = col0; c < g.Cols(); ++c)
            cells << g.TextMatrix(r, c);
        rows << cells.join(u'|');
    }
    return rows.join(u'/');
}

// The texts of the message boxes shown, in order.
inline QStringList boxTexts(const ScriptedUser& user)
{
    QStringList out;
    for (const ScriptedUser::Shown& s : user.messageBoxes())
        out << s.text;
    return out;
}
