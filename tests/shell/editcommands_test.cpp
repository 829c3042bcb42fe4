// The rules behind the edit menu and the go-to dialog: the clipboard text,
// the trimming and sizing of a paste with its one message, and where a row jump lands.

#include "shell/editcommands.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <tuple>
#include <vector>

using namespace editcommands;
using namespace Qt::StringLiterals;

TEST(EditCommands, ClipboardEndsRowsWithCrLfAndPasteRunsFromTheFirstToTheLastSign)
{
    EXPECT_EQ((QStringList{clipboardText(u"1\tX\t2\rX\t\t1"_s), clipboardText(u"X"_s), clipboardText(u"\r\r"_s)}),
        (QStringList{u"1\tX\t2\r\nX\t\t1"_s, u"X"_s, u"\r\n\r\n"_s}));  // nothing after the last row
    const std::pair<const char*, const char*> cases[] = {{"  a1X2b ", "1X2"}, {"x", "x"},
        {"\r\n1\tX\r\n2\t1\r\n", "1\tX\r\n2\t1"}, {"1 a 2", "1 a 2"} /* inside, nothing is checked */,
        {"abc \t\r\n", ""}, {"", ""}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(pasteText(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

TEST(EditCommands, PasteBlockAsksAtMostOnceAndIsCutAtTheGridsEdge)
{
    // A grid of 14 rows (13 positions) and 11 columns (10 system rows).
    // text, start row and column, answers (OK true, Cancel false, in the order asked; each asked),
    // written, end row and column
    const std::tuple<const char*, int, int, std::vector<bool>, bool, int, int> cases[] = {
        {"1X2", 3, 4, {}, true, 3, 4}, {"1\t2\t1\rX\t2\tX", 3, 4, {}, true, 4, 6},
        {"1\r2\rX", 12, 4, {true}, true, 13, 4},  // too tall, OK: the first two rows
        {"1\r2\rX", 12, 4, {false}, false, 9, 4},  // Cancel: the selection as it was
        {"1\t2\t1", 3, 9, {true}, true, 3, 10},  // too wide, OK
        {"1\t2\t1", 3, 9, {false}, false, 3, 4},  // Cancel after the rows were set
        {"1\t2\t1\r1\t2\t1\r1\t2\t1", 12, 9, {true}, true, 13, 10},  // both: one message
    };
    for (const auto& [text, startRow, startCol, answers, write, endRow, endCol] : cases) {
        std::size_t asked = 0;
        const std::vector<bool>& given = answers;  // a lambda may not capture a structured binding
        const PastePlan plan = planPaste(QString::fromLatin1(text), Selection{startRow, 9, startCol, 4}, 14, 11,
            [&] { return ++asked <= given.size() && given[asked - 1]; });
        const Selection& s = plan.selection;
        EXPECT_EQ(std::tuple(asked, plan.write, s.startRow, s.endRow, s.endCol),
            std::tuple(answers.size(), write, startRow, endRow, endCol))
            << text;
    }
}

TEST(EditCommands, RowJumpInAHundredRowSystemLowersNearTheEnd)
{
    // box, columns, whether the row exists, box afterwards, left column (when the row exists)
    const std::tuple<const char*, int, bool, const char*, int> cases[] = {{"5", 101, true, "5", 5},
        {"95", 101, true, "88", 88}, {"100", 101, true, "88", 88}, {"3.7", 101, true, "3.7", 3},
        {" 12abc", 101, true, " 12abc", 12}, {"0", 101, false, "0", 0}, {"101", 101, false, "101", 0},
        {"abc", 101, false, "abc", 0}, {"1", 11, true, "1", 1} /* ten rows: every row scrolls to row 1 */,
        {"10", 11, true, "1", 1}};
    for (const auto& [box, cols, exists, boxAfter, leftCol] : cases) {
        const RowJump j = jumpToRow(QString::fromLatin1(box), cols);
        EXPECT_EQ(std::tuple(j.exists, j.boxText, j.exists ? j.leftCol : 0),
            std::tuple(exists, QString::fromLatin1(boxAfter), leftCol))
            << box;
    }
}
