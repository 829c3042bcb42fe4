// The frame file written from a frame's editing state, without a window.

#include "shell/filebytes.h"
#include "shell/framefile.h"
#include "slotfill.h"

#include <gtest/gtest.h>

using frame::FrameEditing;
using namespace Qt::StringLiterals;

namespace {

constexpr int cell(int m, int c) { return 3 * m + c; }

}  // namespace

TEST(FrameSaving, NamesCellsRowsFilterAndCountsComeFromTheState)
{
    FrameEditing f;
    frametest::fillSlot(f, 0, {1, 2, 1, 0, u"U.RU"_s});
    for (int i : {cell(0, 1), cell(0, 0)})  // "X" first: the black base-row sign
        f.Label1_Click(i);
    f.Option1_Click(3);
    f.Label1_Click(cell(1, 0));  // a Procent match at 34/33/33
    f.forminne = RowMatrix(13, 2);
    f.forminne.at(0, 1) = 3;
    f.filter = {true, {u"13"_s, u"9"_s, u""_s, u"0"_s, u" 1"_s, u"2x"_s}, true};
    std::tie(f.temptempallrad, f.skapat) = std::tuple(1, true);
    ASSERT_EQ(f.Allrad, u"2");

    const FrameFileData d = frame::frameFileOf(f, {SystemBlock{1, 0, 0, 2, 1, 0, QByteArray("1X"), {}}});
    EXPECT_EQ(d.slotBlocks[0].name + u'|' + d.slotBlocks[2].name, u"U.RU|Inget system");
    const QByteArray bytes = writeFrameFile(d);

    FileBytes cells;
    cells
        .bytes({'1', 1, 1, 'X', 1, 1, '0', 1, 1})  // base row "X"
        .bytes({'1', 4, 254})
        .text("%   34  33  33")
        .bytes({'X', 4, 254, '2', 4, 254, '0', 0, 254});
    const qsizetype slotsEnd = bytes.lastIndexOf("Inget system") + 12;
    EXPECT_EQ(bytes.mid(slotsEnd, cells.data.size()).toHex(' '), cells.data.toHex(' '));

    FileBytes tail;
    tail.bytes({13}).i32(2);
    for (int m = 0; m < 13; ++m)
        tail.bytes({0, m == 0 ? 3 : 0});
    tail.bytes({1}).text("13").text("9").text("").text("0").text(" 1").text("2x");
    tail.i32(1).i32(2).bytes({1}).text("1").i16(-1);
    EXPECT_EQ(bytes.right(tail.data.size()).toHex(' '), tail.data.toHex(' '));
}
