// Frame file: byte layout, round trips, version 10, damaged files and the rebuild order.

#include "filebytes.h"
#include "shell/framefile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kEmpty = QStringLiteral("Inget system");
// Bytes of a designed empty slot block: 9 of counts, 1 sign, 2 empty texts, the name.
constexpr int kEmptySlotSize = 9 + 1 + 2 * 4 + 4 + 12;

// A slot as a new frame writes it: its grids at their designed size, H from the Tag "0".
FrameSlot designedEmptySlot()
{
    FrameSlot s{SystemBlock{0, 2, 1, 1, 1, 0, {}, {}}, kEmpty};
    s.system.resizeToCounts();
    return s;
}

FileBytes& designedEmptySlotBytes(FileBytes& b)
{
    return b.bytes({0, 2, 1}).i16(1).i16(1).i16(0).bytes({0}).text("").text("").text("Inget system");
}

// Cell signs from cell 0 on, '0' for an unmarked cell.
void setCells(FrameFileData& d, const char* signs)
{
    for (std::size_t i = 0; signs[i]; ++i)
        d.cellSigns[i] = std::uint8_t(signs[i]);
}

FrameFileData newFrame()
{
    FrameFileData d;
    for (FrameSlot& s : d.slotBlocks)
        s = designedEmptySlot();
    return d;
}

// A frame with a base-row system in slot 1, a percent match and 2 created rows.
FrameFileData richFrame()
{
    FrameFileData d = newFrame();
    d.slotBlocks[0] = {SystemBlock{1, 3, 2, 2, 2, 1, QByteArray("1X21", 4),
                           {u"1"_s, u"13"_s, u"r"_s, u"1-2"_s, u"kommentar"_s, QString()}},
        u"2-0-2.KU"_s};
    // Match 0: base row "X" black, "1" marked too; match 1: full guard of slot 1; match 2: a percent
    // match; match 3: a single "2".
    setCells(d, "1X01X2100002");
    d.matchTypes[0] = d.matchTypes[1] = frame::MatchType::System1;
    d.startRowSigns[0] = 1;
    d.matchTypes[2] = frame::MatchType::Procent;
    d.percentTexts[2] = u"50-25-25"_s;
    d.startRowSigns[3] = 2;
    d.rowMatrix = RowMatrix(13, 2);
    for (int i = 0; i < 13; ++i)
        d.rowMatrix.at(i, 0) = std::uint8_t(1 + i % 3), d.rowMatrix.at(i, 1) = 3;
    d.filterOn = 1;
    d.filterBounds = {u"0"_s, u"13"_s, u"1"_s, u"5"_s, QString(), u"9"_s};
    d.createdRows = 2;
    d.rowTotal = 18;
    d.removeEqualRows = 1;
    d.percentOnlyRows = u"1"_s;
    d.created = -1;
    return d;
}

using ReadState = std::tuple<FileReadStatus, int, FrameReadStage>;

// A read's status, run-time error number (0 for none) and the stage it reached, as one value.
ReadState stateOf(const FrameFileRead& r) { return {r.status, r.error ? r.error->number() : 0, r.reached}; }

// Everything the file holds came back: written again, the bytes are the same.
void expectSameFrame(const FrameFileData& a, const FrameFileData& b)
{
    EXPECT_EQ(writeFrameFile(a), writeFrameFile(b));
}

TEST(FrameFile, NewFrameWritesTheDocumentedBytes)
{
    FileBytes b;
    b.bytes({11});
    for (int s = 0; s < 3; ++s)
        designedEmptySlotBytes(b);
    for (int i = 0; i < 39; ++i)
        b.bytes({'0', 0, 254});
    b.bytes({1}).i32(1).bytes({0});  // U1 = 1, U2 = 1, one byte
    b.bytes({0});  // filter off
    for (int k = 0; k < 6; ++k)
        b.text("");
    b.i32(0).i32(0).bytes({0}).text("").i16(0);  // fields 7 to 11
    EXPECT_EQ(writeFrameFile(newFrame()), b.data);
}

TEST(FrameFile, CellRecordsRowMatrixAndLastFieldsOfARichFrame)
{
    const QByteArray bytes = writeFrameFile(richFrame());
    const qsizetype slotsEnd =
        bytes.indexOf("2-0-2.KU") + 8 + 2 * kEmptySlotSize;  // two designed empty slotBlocks follow
    FileBytes cells;
    cells
        .bytes({'1', 1, 1, 'X', 1, 1, '0', 1, 1})  // base row "X": 1 in all three records
        .bytes({'1', 1, 254, 'X', 1, 254, '2', 1, 254})  // full guard, no black cell
        .bytes({'1', 4, 254})
        .text("50-25-25")  // percent text after the first record only
        .bytes({'0', 4, 254, '0', 4, 254})
        .bytes({'0', 0, 2, '0', 0, 2, '2', 0, 2});  // a single "2"
    EXPECT_EQ(std::tuple(bytes.mid(slotsEnd, cells.data.size()), bytes.count("50-25-25")), std::tuple(cells.data, 1));

    // The row matrix is 13 by N, match first, then fields 5 to 11.
    FileBytes after;
    after.bytes({13}).i32(2);
    for (int i = 0; i < 13; ++i)
        after.bytes({1 + i % 3, 3});  // rows of match 1 first
    after.bytes({1}).text("0").text("13").text("1").text("5").text("").text("9");
    after.i32(2).i32(18).bytes({1}).text("1").i16(-1);
    EXPECT_EQ(bytes.right(after.data.size()), after.data);
}

TEST(FrameFile, RoundTripWithAndWithoutCreatedRows)
{
    FrameFileData edited = richFrame();  // keeps its old rows with field 11 zero
    edited.created = 0;
    for (const FrameFileData& d : {newFrame(), richFrame(), edited}) {
        const FrameFileRead r = readFrameFile(writeFrameFile(d));
        ASSERT_EQ(stateOf(r), ReadState(FileReadStatus::Ok, 0, FrameReadStage::Complete));
        EXPECT_EQ(std::tuple(r.slotsRead, r.filterBoundsRead, r.data.version), std::tuple(3, 6, 11));
        expectSameFrame(d, r.data);
    }
    // Elements beyond the written bounds read back as zero.
    const RowMatrix rows = readFrameFile(writeFrameFile(richFrame())).data.rowMatrix;
    EXPECT_EQ(rows.at(13, 0) + rows.at(0, 2), 0);
}

TEST(FrameFile, VersionTenHasNoEqualRowsByteAndOtherVersionsAreTheWrongType)
{
    QByteArray bytes = writeFrameFile(richFrame());
    bytes[0] = 10;
    // The equal-rows byte sits before Text2 ("1") and skapat.
    const qsizetype at = bytes.size() - 2 - 5 - 1;
    ASSERT_EQ(bytes[at], 1);
    bytes.remove(at, 1);
    const FrameFileRead r = readFrameFile(bytes);
    ASSERT_EQ(std::pair(stateOf(r), int(r.data.version)),
        std::pair(ReadState(FileReadStatus::Ok, 0, FrameReadStage::Complete), 10));
    FrameFileData want = richFrame();
    want.removeEqualRows = 0;
    expectSameFrame(want, r.data);

    // Read as version 11, the same bytes come one short.
    bytes[0] = 11;
    EXPECT_EQ(readFrameFile(bytes).status, FileReadStatus::Damaged);

    // Other versions are the wrong type.
    for (int v : {0, 5, 9, 12, 255}) {
        bytes[0] = char(v);
        const FrameFileRead w = readFrameFile(bytes);
        EXPECT_EQ(std::pair(stateOf(w), int(w.data.version)),
            std::pair(ReadState(FileReadStatus::WrongType, 0, FrameReadStage::Version), v));
    }
}

TEST(FrameFile, StartRowSignOfAMatch)
{
    using C = std::array<QString, 3>;
    using F = std::array<std::uint32_t, 3>;
    const QString one = u"1"_s, x = u"X"_s, two = u"2"_s, none;
    // Base-row "X" drawn black beside a green "1"; a single "2" (every cell black); an unmarked match
    // and a full guard with no black cell; columns tested in order.
    EXPECT_EQ((std::array{startRowSignOf(C{one, x, none}, F{40704, 0, 40704}), startRowSignOf(C{none, none, two}, F{}),
                  startRowSignOf(C{none, none, none}, F{}), startRowSignOf(C{one, x, two}, F{159, 159, 159}),
                  startRowSignOf(C{one, x, none}, F{})}),
        (std::array<std::uint8_t, 5>{1, 2, 254, 254, 0}));
    EXPECT_EQ(std::tuple(cellSignByteOf(QString()), cellSignByteOf(x)), std::tuple('0', 'X'));
    EXPECT_EQ((std::array{isEmptySlotName(kEmpty), isEmptySlotName(u"Ei järjestelmää "_s),
                  isEmptySlotName(u"Ei järjestelmää"_s)}),
        (std::array{true, true, false}));
}

TEST(FrameFileDamage, EveryTruncationIsReportedAndKeepsWhatWasRead)
{
    const FrameFileData full = richFrame();
    const QByteArray bytes = writeFrameFile(full);
    FrameReadStage last = FrameReadStage::None;
    for (int n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        const FrameFileRead r = readFrameFile(bytes.left(n));
        ASSERT_EQ(stateOf(r), ReadState(FileReadStatus::Damaged, 62, r.reached));
        ASSERT_GE(r.reached, last);  // a longer prefix never reads less
        last = r.reached;
        if (r.reached < FrameReadStage::Slots) {
            for (std::size_t s = 0; s < std::size_t(r.slotsRead); ++s)
                EXPECT_EQ(r.data.slotBlocks[s].name, full.slotBlocks[s].name);
            if (r.slotSignsRead) {  // the counts, and the signs as far as the file went
                const SystemBlock& got = r.data.slotBlocks[std::size_t(r.slotsRead)].system;
                const SystemBlock& want = full.slotBlocks[std::size_t(r.slotsRead)].system;
                EXPECT_EQ(std::pair(got.rows, got.signs), std::pair(want.rows, want.signs.left(got.signs.size())));
            }
        }
        EXPECT_EQ(r.reached >= FrameReadStage::RowMatrix ? r.data.rowMatrix : full.rowMatrix, full.rowMatrix);
        for (int k = 0; r.reached == FrameReadStage::FilterOn && k < r.filterBoundsRead; ++k)
            EXPECT_EQ(r.data.filterBounds[std::size_t(k)], full.filterBounds[std::size_t(k)]);
    }
    EXPECT_EQ(last, FrameReadStage::PercentOnlyRows);
}

// Offset of the row matrix in a new frame's file.
qsizetype newFrameMatrixAt() { return 1 + 3 * kEmptySlotSize + 39 * 3; }

TEST(FrameFileDamage, AbsurdRowMatrixIsRefusedWithoutSizingIt)
{
    // what, U1, U2, error
    const std::tuple<const char*, int, std::int32_t, int> cases[] = {
        {"most rows a frame can have, larger than the file", 13, 1594323, 62}, {"2^31 - 1 rows", 13, 0x7FFFFFFF, 62},
        {"negative rows", 1, -1, 321}, {"no matches but 2^31 - 1 rows", 0, 0x7FFFFFFF, 321},
        {"just over the most rows a frame can have", 0, 1594324, 321}};
    for (const auto& [what, u1, u2, error] : cases) {
        QByteArray bytes = writeFrameFile(newFrame());
        bytes.replace(newFrameMatrixAt(), 6, FileBytes().bytes({u1}).i32(u2).data);
        EXPECT_EQ(stateOf(readFrameFile(bytes)), ReadState(FileReadStatus::Damaged, error, FrameReadStage::CellRecords))
            << what;
    }

    // Row creation takes more rows than 3^13 from odd systems (rows repeated); such a frame must open
    // again. With rows on file the bytes left are the bound.
    FrameFileData d = newFrame();
    RowMatrix rows(1, 1594324);
    for (long long j = 0; j < rows.upperRow(); ++j)
        rows.at(0, j) = std::uint8_t(1 + j % 3);
    d.rowMatrix = rows;
    const FrameFileRead r = readFrameFile(writeFrameFile(d));
    ASSERT_EQ(r.status, FileReadStatus::Ok);
    EXPECT_EQ(r.data.rowMatrix, rows);
}

TEST(FrameFileDamage, CorruptSlotsRecordsAndTagsStopTheReading)
{
    // Slot 2 claims a huge system.
    QByteArray bytes = writeFrameFile(newFrame());
    bytes.replace(1 + kEmptySlotSize + 3, 4, "\xFF\x7F\xFF\x7F");
    FrameFileRead r = readFrameFile(bytes);
    EXPECT_EQ(stateOf(r), ReadState(FileReadStatus::Damaged, 62, FrameReadStage::Version));
    // The count is taken, with no more signs than the file holds.
    EXPECT_EQ(std::tuple(r.slotsRead, r.slotSignsRead, r.data.slotBlocks[1].system.rows), std::tuple(1, true, 32767));
    EXPECT_LT(r.data.slotBlocks[1].system.signs.size(), bytes.size());

    // A base-row sign that names no column: 3 would name the next match's first cell.
    for (const int sign : {3, 7, 253}) {
        bytes = writeFrameFile(newFrame());
        bytes[1 + 3 * kEmptySlotSize + 2] = char(sign);
        r = readFrameFile(bytes);
        EXPECT_EQ(stateOf(r), ReadState(FileReadStatus::Damaged, 321, FrameReadStage::Slots)) << sign;
    }

    // An unknown tag in the third filter text.
    bytes = writeFrameFile(newFrame());
    bytes[newFrameMatrixAt() + 6 + 1 + 2 * 4] = 2;
    r = readFrameFile(bytes);
    EXPECT_EQ(stateOf(r), ReadState(FileReadStatus::Damaged, 321, FrameReadStage::FilterOn));
    EXPECT_EQ(r.filterBoundsRead, 2);
}

TEST(FrameReplay, BaseRowCellIsClickedFirstAndModesFollowMatchTypes)
{
    using K = ReplayStep::Kind;
    const std::vector<ReplayStep> steps = replaySteps(richFrame());
    std::vector<ReplayStep> clicks;
    std::ranges::copy_if(
        steps, std::back_inserter(clicks), [](const ReplayStep& s) { return s.kind != K::ChooseMode; });
    const std::vector<ReplayStep> expected = {{K::ClickCell, 1, {}}, {K::ClickCell, 0, {}},  // "X" then "1"
        {K::ClickCell, 3, {}}, {K::ClickCell, 4, {}}, {K::ClickCell, 5, {}},  // no black cell
        {K::ClickCell, 6, {}}, {K::SetPercentText, 2, u"50-25-25"_s},
        {K::ClickCell, 11, {}}};  // single "2", base-row sign 2
    EXPECT_EQ(clicks, expected);
    // Each cell chooses its mode first: three times Procent for the percent match.
    EXPECT_EQ(steps[0], (ReplayStep{K::ChooseMode, 0, {}}));
    EXPECT_EQ(std::count(steps.begin(), steps.end(), ReplayStep{K::ChooseMode, 3, {}}), 3);

    // Modes follow the match types, and Matematisk clicks plainly.
    FrameFileData d = newFrame();
    d.slotBlocks[0].system.type = 1;  // base-row system in slot 1 must not affect Matematisk
    d.slotBlocks[1].system.type = 0;
    d.matchTypes[0] = frame::MatchType::Matematisk;
    d.matchTypes[1] = frame::MatchType::System2;
    d.matchTypes[2] = frame::matchTypeFromByte(9);  // unknown: no mode choice, the slot stays System 2
    setCells(d, "1021X0002");
    const std::vector<ReplayStep> again = replaySteps(d);
    const std::vector<ReplayStep> head = {{K::ChooseMode, 4, {}}, {K::ClickCell, 0, {}}, {K::ChooseMode, 4, {}},
        {K::ChooseMode, 4, {}}, {K::ClickCell, 2, {}}, {K::ChooseMode, 1, {}}, {K::ClickCell, 3, {}},
        {K::ChooseMode, 1, {}}, {K::ClickCell, 4, {}}, {K::ChooseMode, 1, {}}, {K::ClickCell, 8, {}},
        {K::ChooseMode, 0, {}}};
    ASSERT_GE(again.size(), head.size());
    EXPECT_EQ(std::vector<ReplayStep>(again.begin(), again.begin() + qsizetype(head.size())), head);
}

}  // namespace
