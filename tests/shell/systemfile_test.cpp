// System file: byte layout, round trips and damaged files.

#include "filebytes.h"
#include "shell/systemfile.h"
#include "support/testhelpers.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// R = 3 system rows, M = 2 guarded matches (1 half, 1 full), base row, 3 x 2 guarantee grid.
SystemFileData sample()
{
    SystemFileData d;
    static_cast<SystemBlock&>(d) = {1, 3, 2, 3, 2, 1, QByteArray("1X\00021X", 6),
        {u"1"_s, u"13"_s, u"reduced"_s, QString(), u"my comment ä"_s, u"1-2"_s}};
    return d;
}

QByteArray sampleBytes()
{
    FileBytes b;
    b.bytes({5, 1, 3, 2}).i16(3).i16(2).i16(1).bytes({'1', 'X', 0, '2', '1', 'X'});
    // The guarantee cells column first: "1", "13" | "reduced", "" | the comment, "1-2".
    b.text("1").text("13").text("reduced").text("").text("my comment \xE4").text("1-2");
    return b.data;
}

TEST(SystemFile, WritesTheLayoutByteForByte)
{
    // The sign block ends at 10 + M x R also with an empty cell in it; an empty text is 08 00 00 00.
    EXPECT_EQ(writeSystemFile(sample()), sampleBytes());
    EXPECT_EQ(writeSystemFile(SystemFileData()), FileBytes().bytes({5, 0, 0, 0}).i16(0).i16(0).i16(0).data);
}

TEST(SystemFile, RoundTripKeepsSignsTableAndComment)
{
    const SystemFileRead read = readSystemFile(writeSystemFile(sample()));
    ASSERT_EQ(read.status, FileReadStatus::Ok);
    EXPECT_EQ(read.reached, SystemReadStage::Complete);
    const SystemFileData& d = read.data;
    EXPECT_EQ(d.magic, 5);
    EXPECT_EQ(writeSystemFile(d), sampleBytes());
    EXPECT_EQ((std::vector<int>{d.sign(1, 2), d.sign(1, 3), d.sign(2, 1)}), (std::vector<int>{'X', 0, '2'}));
    EXPECT_EQ((QStringList{d.guaranteeCell(1, 0), d.guaranteeCell(1, 2), d.comment()}),
        (QStringList{u"13"_s, u"1-2"_s, u"my comment ä"_s}));

    // No comment with fewer than three columns.
    SystemFileData narrow = sample();
    narrow.gCols = 2;
    narrow.guarantee.resize(4);
    EXPECT_EQ(readSystemFile(writeSystemFile(narrow)).data.comment(), QString());
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

TEST(SystemFileDamage, BadCountsTagsAndLongTextsStopWithWhatWasRead)
{
    auto head = [](int gCols, int gRows, int rows, int guarded, int full) {
        return FileBytes().bytes({5, 0, gCols, gRows}).i16(rows).i16(guarded).i16(full);
    };
    QByteArray unknownTag = sampleBytes();
    unknownTag[16 + 4 + 1 + 4 + 2] = 3;  // the third cell's tag, after "1" and "13"
    using S = SystemReadStage;
    struct Case {
        const char* what;
        QByteArray bytes;
        int error;
        S reached;
        qsizetype signs;
        QStringList guarantee;
    };
    // Negative counts are refused before anything is sized; counts beyond the file are kept, with no
    // more signs than the file holds.
    const Case cases[] = {{"negative rows", head(0, 0, -1, 2, 0).data, 321, S::Magic, 0, {}},
        {"negative guarded", head(0, 0, 1, -3, 0).data, 321, S::Magic, 0, {}},
        {"negative full guards", head(0, 0, 0, 0, -1).data, 321, S::Magic, 0, {}},
        {"more full guards than guarded", head(0, 0, 0, 1, 2).data, 321, S::Magic, 0, {}},
        {"counts beyond the file", head(255, 255, 32767, 32767, 0).data, 62, S::Counts, 0, {}},
        {"table beyond the file", head(200, 200, 0, 0, 0).text("x").data, 62, S::Signs, 0, {u"x"_s}},
        {"unknown tag", unknownTag, 321, S::Signs, 6, {u"1"_s, u"13"_s}},
        {"text longer than the file", head(1, 1, 0, 0, 0).i16(8).i16(60000).data + "abc", 62, S::Signs, 0, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SystemFileRead r = readSystemFile(c.bytes);
        EXPECT_EQ(r.status, FileReadStatus::Damaged);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->number(), c.error);
        EXPECT_EQ(r.reached, c.reached);
        EXPECT_EQ(r.data.signs.size(), c.signs);
        EXPECT_EQ(r.data.guarantee, c.guarantee);
    }
    EXPECT_EQ(readSystemFile(cases[4].bytes).data.rows, 32767);
    EXPECT_EQ(readSystemFile(unknownTag).error->description(), u"Invalid file format");
}

}  // namespace
