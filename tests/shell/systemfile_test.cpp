// System file: byte layout, round trips and damaged files.

#include "filebytes.h"
#include "shell/systemfile.h"
#include "support/testhelpers.h"

#include <algorithm>
#include <functional>
#include <tuple>

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
    EXPECT_EQ(std::pair(read.status, read.reached), std::pair(FileReadStatus::Ok, SystemReadStage::Complete));
    const SystemFileData& d = read.data;
    EXPECT_EQ(writeSystemFile(d), sampleBytes());  // magic 5 included
    EXPECT_EQ((std::vector<int>{d.sign(1, 2), d.sign(1, 3), d.sign(2, 1)}), (std::vector<int>{'X', 0, '2'}));
    EXPECT_EQ((QStringList{d.guaranteeCell(1, 0), d.guaranteeCell(1, 2), d.comment()}),
        (QStringList{u"13"_s, u"1-2"_s, u"my comment ä"_s}));

    // No comment with fewer than three columns.
    SystemFileData narrow = sample();
    narrow.gCols = 2;
    narrow.guarantee.resize(4);
    EXPECT_EQ(readSystemFile(writeSystemFile(narrow)).data.comment(), QString());

    // The magic is reported, but only the slot reader refuses it.
    QByteArray bytes = sampleBytes();
    bytes[0] = 11;  // a frame file's version byte
    const SystemFileRead editor = readSystemFile(bytes, MagicCheck::Ignore);
    EXPECT_EQ(std::pair(editor.status, int(editor.data.magic)), std::pair(FileReadStatus::Ok, 11));

    const SystemFileRead slot = readSystemFile(bytes, MagicCheck::Require);
    EXPECT_EQ(std::tuple(slot.status, slot.reached, slot.data.rows, bool(slot.error)),
        std::tuple(FileReadStatus::WrongType, SystemReadStage::Magic, 0, false));
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
    EXPECT_EQ((std::vector<int>{signByteOf(u"X"_s), signByteOf(u"2x"_s), signByteOf(QString()), signByteOf(u"é"_s)}),
        (std::vector<int>{0x58, '2', 0, 0xE9}));
    // 0 gives a character, but no sign.
    EXPECT_EQ((QStringList{signTextOf('1'), signTextOf(0), signTextOf(0x80)}),
        (QStringList{u"1"_s, QString(QChar(0)), u"€"_s}));
}

TEST(SystemFileDamage, EveryTruncationIsReportedAsPastTheEnd)
{
    const QByteArray full = sampleBytes();
    const int signsEnd = 10 + 6;
    for (int n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        const SystemFileRead r = readSystemFile(full.left(n));
        ASSERT_TRUE(r.error);
        EXPECT_EQ(std::pair(r.status, r.error->number()), std::pair(FileReadStatus::Damaged, 62));
        // Whatever was read before the cut is kept: the counts, the signs, the first cells.
        const SystemReadStage stage = n == 0 ? SystemReadStage::None
            : n < 10                         ? SystemReadStage::Magic
            : n < signsEnd                   ? SystemReadStage::Counts
                                             : SystemReadStage::Signs;
        EXPECT_EQ(r.reached, stage);
        if (n >= 10) {
            EXPECT_EQ(
                std::tuple(r.data.rows, r.data.gCols, r.data.signs), std::tuple(3, 3, sample().signs.left(n - 10)));
            EXPECT_EQ(r.data.guarantee, sample().guarantee.first(std::min<qsizetype>(r.data.guarantee.size(), 5)));
        }
    }
}

// Without a guarantee table the sign block is the end of the file: a cut inside it must not read
// as a whole system.
TEST(SystemFileDamage, ASystemWithoutATableCutInsideItsSignsIsPastTheEnd)
{
    SystemFileData bare = sample();
    bare.gCols = 0;
    bare.gRows = 0;
    bare.guarantee.clear();
    const QByteArray full = writeSystemFile(bare);
    ASSERT_EQ(full.size(), 10 + 6);
    EXPECT_EQ(readSystemFile(full).status, FileReadStatus::Ok);
    for (int n = 10; n < full.size(); ++n) {
        const SystemFileRead r = readSystemFile(full.left(n));
        EXPECT_EQ(std::tuple(r.status, r.error ? r.error->number() : 0, r.reached, r.data.signs),
            std::tuple(FileReadStatus::Damaged, 62, SystemReadStage::Counts, sample().signs.left(n - 10)))
            << n;
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
    // Negative counts are refused before anything is sized; counts beyond the file are kept, with no
    // more signs than the file holds. What, bytes, error, stage reached, signs read, guarantee texts read.
    const std::tuple<const char*, QByteArray, int, S, qsizetype, QStringList> cases[] = {
        {"negative rows", head(0, 0, -1, 2, 0).data, 321, S::Magic, 0, {}},
        {"negative guarded", head(0, 0, 1, -3, 0).data, 321, S::Magic, 0, {}},
        {"negative full guards", head(0, 0, 0, 0, -1).data, 321, S::Magic, 0, {}},
        {"more full guards than guarded", head(0, 0, 0, 1, 2).data, 321, S::Magic, 0, {}},
        {"counts beyond the file", head(255, 255, 32767, 32767, 0).data, 62, S::Counts, 0, {}},
        {"table beyond the file", head(200, 200, 0, 0, 0).text("x").data, 62, S::Signs, 0, {u"x"_s}},
        {"unknown tag", unknownTag, 321, S::Signs, 6, {u"1"_s, u"13"_s}},
        {"text longer than the file", head(1, 1, 0, 0, 0).i16(8).i16(60000).data + "abc", 62, S::Signs, 0, {}}};
    for (const auto& [what, bytes, error, reached, signs, guarantee] : cases) {
        SCOPED_TRACE(what);
        const SystemFileRead r = readSystemFile(bytes);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(std::tuple(r.status, r.error->number(), r.reached, r.data.signs.size(), r.data.guarantee),
            std::tuple(FileReadStatus::Damaged, error, reached, signs, guarantee));
    }
    EXPECT_EQ(readSystemFile(std::get<1>(cases[4])).data.rows, 32767);
    EXPECT_EQ(readSystemFile(unknownTag).error->description(), u"Invalid file format");
}

}  // namespace
