#pragma once
// Whole things as one text, so a test compares a grid or the boxes shown in one expectation:
//   EXPECT_EQ(boxesShown(user), (Boxes{{MessageText(kMsgOverwrite), vbmsg::YesNo | vbmsg::Exclamation}}));

#include "platform/grid.h"
#include "shell/texts/texts.h"
#include "support/scripteduser.h"

#include <QStringList>
#include <utility>

// Guide text `id` as the guide shows it, with LF line breaks.
inline QString shownGuideText(GuideTextId id)
{
    return GuideText(id).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

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

// The message boxes shown, in order: their texts; their texts and styles.
inline QStringList boxTexts(const ScriptedUser& user)
{
    QStringList out;
    for (const ScriptedUser::Shown& s : user.messageBoxes())
        out << s.text;
    return out;
}
using Boxes = std::vector<std::pair<QString, int>>;
inline Boxes boxesShown(const ScriptedUser& user)
{
    Boxes out;
    for (const ScriptedUser::Shown& s : user.messageBoxes())
        out.emplace_back(s.text, s.style);
    return out;
}
