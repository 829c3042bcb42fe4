// System file: byte layout, round trips and damaged files.

#include "filebytes.h"
#include "shell/systemfile.h"
#include "support/testhelpers.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// R = 3 system rows, M = 2 guarded matches (1 half, 1 full), base row, 3 x 2 guarantee grid.
SystemFileData sample()
{
    SystemFileData d;
    d.type = 1;
    d.gCols = 3;
    d.gRows = 2;
    d.rows = 3;
    d.guarded = 2;
    d.fullGuards = 1;
    d.signs = QByteArray("1X\0"
                         "21X",
        6);
    d.guarantee = {QStringLiteral("1"), QStringLiteral("13"), QStringLiteral("reduced"), QString(),
        QStringLiteral("my comment ä"), QStringLiteral("1-2")};
    return d;
}

QByteArray sampleBytes()
{
    return FileBytes()
        .bytes({5, 1, 3, 2})
        .i16(3)
        .i16(2)
        .i16(1)
        .bytes({'1', 'X', 0, '2', '1', 'X'})
        .text("1")
        .text("13")  // column 0
        .text("reduced")
        .text("")  // column 1
        .text("my comment \xE4")
        .text("1-2")  // column 2
        .data;
}

TEST(SystemFile, WritesTheLayoutByteForByte)
{
    const QByteArray bytes = writeSystemFile(sample());
    EXPECT_EQ(bytes, sampleBytes());
    // The sign block ends at 10 + M x R also with an empty cell in it.
    EXPECT_EQ(bytes.mid(10, 6),
        QByteArray("1X\0"
                   "21X",
            6));
    // An empty guarantee cell is 08 00 00 00.
    EXPECT_TRUE(bytes.contains(QByteArray("\x08\x00\x00\x00", 4)));
}

TEST(SystemFile, RoundTripKeepsSignsTableAndComment)
{
    const SystemFileRead read = readSystemFile(writeSystemFile(sample()));
    ASSERT_EQ(read.status, FileReadStatus::Ok);
    EXPECT_EQ(read.reached, SystemReadStage::Complete);
    const SystemFileData& d = read.data;
    EXPECT_EQ(d.magic, 5);
    EXPECT_EQ(writeSystemFile(d), sampleBytes());
    EXPECT_EQ(d.sign(1, 2), 'X');
    EXPECT_EQ(d.sign(1, 3), 0);
    EXPECT_EQ(d.sign(2, 1), '2');
    EXPECT_EQ(d.guaranteeCell(1, 0), u"13");
    EXPECT_EQ(d.guaranteeCell(1, 2), u"1-2");
    EXPECT_EQ(d.comment(), u"my comment ä");
}

TEST(SystemFile, NoCommentWithFewerThanThreeColumns)
{
    SystemFileData d = sample();
    d.gCols = 2;
    d.guarantee.resize(4);
    EXPECT_EQ(readSystemFile(writeSystemFile(d)).data.comment(), QString());
}

TEST(SystemFile, EmptySystemIsTheHeaderAlone)
{
    SystemFileData d;
    EXPECT_EQ(writeSystemFile(d), FileBytes().bytes({5, 0, 0, 0}).i16(0).i16(0).i16(0).data);
}

TEST(SystemFile, MagicIsReportedButOnlyTheSlotReaderRefusesIt)
{
    QByteArray bytes = sampleBytes();
    bytes[0] = 11;  // a frame file's version byte
    const SystemFileRead editor = readSystemFile(bytes, MagicCheck::Ignore);
    EXPECT_EQ(editor.status, FileReadStatus::Ok);
    EXPECT_EQ(editor.data.magic, 11);

    const SystemFileRead slot = readSystemFile(bytes, MagicCheck::Require);
    EXPECT_EQ(slot.status, FileReadStatus::WrongType);
    EXPECT_EQ(slot.reached, SystemReadStage::Magic);
    EXPECT_EQ(slot.data.rows, 0);
    EXPECT_FALSE(slot.error);
}

TEST(SystemFile, WriterRefusesValuesThatDoNotFitTheirFields)
{
    const std::pair<std::function<void(SystemFileData&)>, int> cases[] = {
        {[](SystemFileData& d) { d.gCols = 256; }, vberr::Overflow},
        {[](SystemFileData& d) { d.fullGuards = 40000; }, vberr::Overflow},
        {[](SystemFileData& d) { d.signs.chop(1); }, vberr::InvalidCall},
        {[](SystemFileData& d) { d.guarantee.append(QString()); }, vberr::InvalidCall},
        {[](SystemFileData& d) { d.guarantee[0] = QString(70000, QLatin1Char('a')); }, vberr::Overflow},
    };
    for (const auto& [spoil, error] : cases) {
        SystemFileData d = sample();
        spoil(d);
        EXPECT_EQ(errorOf([&] { writeSystemFile(d); }), error);
    }
}

TEST(SystemFile, SignBytesAndTexts)
{
    EXPECT_EQ(signByteOf(QStringLiteral("X")), 0x58);
    EXPECT_EQ(signByteOf(QStringLiteral("2x")), '2');
    EXPECT_EQ(signByteOf(QString()), 0);
    EXPECT_EQ(signByteOf(QStringLiteral("é")), 0xE9);
    EXPECT_EQ(signTextOf('1'), u"1");
    EXPECT_EQ(signTextOf(0), QString(QChar(0)));  // a character, but no sign
    EXPECT_EQ(signTextOf(0x80), u"€");
}

TEST(SystemFileDamage, EveryTruncationIsReportedAsPastTheEnd)
{
    const QByteArray full = sampleBytes();
    const int signsEnd = 10 + 6;
    for (int n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        const SystemFileRead r = readSystemFile(full.left(n));
        ASSERT_EQ(r.status, FileReadStatus::Damaged);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->number(), 62);
        // Whatever was read before the cut is kept: the counts, the signs, the first cells.
        if (n == 0) {
            EXPECT_EQ(r.reached, SystemReadStage::None);
        } else if (n < 10) {
            EXPECT_EQ(r.reached, SystemReadStage::Magic);
        } else if (n < signsEnd) {
            EXPECT_EQ(r.reached, SystemReadStage::Counts);
            EXPECT_EQ(r.data.rows, 3);
            EXPECT_EQ(r.data.gCols, 3);
            EXPECT_EQ(r.data.signs, sample().signs.left(n - 10));
        } else {
            EXPECT_EQ(r.reached, SystemReadStage::Signs);
            EXPECT_EQ(r.data.signs, sample().signs);
            EXPECT_LT(r.data.guarantee.size(), 6);
            for (qsizetype i = 0; i < r.data.guarantee.size(); ++i) {
                EXPECT_EQ(r.data.guarantee[i], sample().guarantee[i]);
            }
        }
    }
}

TEST(SystemFileDamage, AbsurdAndNegativeCountsAreRefusedBeforeSizing)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int error;
    };
    const Case cases[] = {
        {"negative rows", FileBytes().bytes({5, 0, 0, 0}).i16(-1).i16(2).i16(0).data, 321},
        {"negative guarded", FileBytes().bytes({5, 0, 0, 0}).i16(1).i16(-3).i16(0).data, 321},
        {"negative full guards", FileBytes().bytes({5, 0, 0, 0}).i16(0).i16(0).i16(-1).data, 321},
        {"more full guards than guarded", FileBytes().bytes({5, 0, 0, 0}).i16(0).i16(1).i16(2).data, 321},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SystemFileRead r = readSystemFile(c.bytes);
        EXPECT_EQ(r.status, FileReadStatus::Damaged);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->number(), c.error);
        EXPECT_EQ(r.reached, SystemReadStage::Magic);
        EXPECT_TRUE(r.data.signs.isEmpty());
    }
}

TEST(SystemFileDamage, CountsBeyondTheFileAreKeptWithNoMoreThanTheFileHolds)
{
    const SystemFileRead huge = readSystemFile(FileBytes().bytes({5, 0, 255, 255}).i16(32767).i16(32767).i16(0).data);
    ASSERT_TRUE(huge.error);
    EXPECT_EQ(huge.error->number(), vberr::InputPastEnd);
    EXPECT_EQ(huge.reached, SystemReadStage::Counts);
    EXPECT_EQ(huge.data.rows, 32767);
    EXPECT_TRUE(huge.data.signs.isEmpty());

    const SystemFileRead table =
        readSystemFile(FileBytes().bytes({5, 0, 200, 200}).i16(0).i16(0).i16(0).text("x").data);
    ASSERT_TRUE(table.error);
    EXPECT_EQ(table.reached, SystemReadStage::Signs);
    EXPECT_EQ(table.data.guarantee, QStringList{QStringLiteral("x")});
}

TEST(SystemFileDamage, UnknownTagStopsWithTheCellsReadSoFar)
{
    QByteArray bytes = sampleBytes();
    const int thirdCell = 16 + 4 + 1 + 4 + 2;  // after "1" and "13"
    bytes[thirdCell] = 3;  // a tag other than text
    const SystemFileRead r = readSystemFile(bytes);
    EXPECT_EQ(r.status, FileReadStatus::Damaged);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->number(), 321);
    EXPECT_EQ(r.error->description(), u"Invalid file format");
    EXPECT_EQ(r.reached, SystemReadStage::Signs);
    EXPECT_EQ(r.data.guarantee, (QStringList{QStringLiteral("1"), QStringLiteral("13")}));
}

TEST(SystemFileDamage, TextLongerThanTheFileIsPastTheEnd)
{
    QByteArray bytes = FileBytes().bytes({5, 0, 1, 1}).i16(0).i16(0).i16(0).i16(8).i16(60000).data;
    bytes.append("abc");
    const SystemFileRead r = readSystemFile(bytes);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->number(), 62);
}

}  // namespace
