// The calibration file: its bytes both ways, the damaged and missing cases, writing over a longer
// file, the shipped file, and the dialog's box check.

#include "printing/calibration.h"

#include "support/testhelpers.h"

#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const PrintCalibration kSample{{150, -140, 43, 21, 14, 22, 31, 690, 1, -735, 20000}, -0.5F, 0, 25};
const QByteArray kSampleBytes =
    QByteArray::fromHex("9600 74ff 2b00 1500 0e00 1600 1f00 b202 0100 21fd 204e 000000bf 00 1900");

TEST(CalibrationRecord, BytesBothWaysAndAShortRecordStopsAtTheFirstIncompleteField)
{
    EXPECT_EQ(encodeCalibration(kSample), kSampleBytes);
    const std::pair<int, int> cases[] = {
        {0, 0}, {1, 0}, {2, 1}, {22, 11}, {25, 11}, {26, 12}, {27, 13}, {28, 13}, {29, kCalibrationFields}};
    for (const auto& [bytes, count] : cases) {
        int fields = -1;
        const PrintCalibration got = decodeCalibration(kSampleBytes.left(bytes), fields);
        EXPECT_EQ(std::tuple(fields, fields < 2 || got.distance[LEFT] == -140, bytes < 29 || got == kSample),
            std::tuple(count, true, true))
            << bytes;
    }
}

TEST(CalibrationRecord, ProgramFolderShipsTheResetValuesAndThePathFollowsAppPath)
{
    int fields = 0;
    const QByteArray shipped = readFileBytes(QStringLiteral(VELKORIN_SOURCE_DIR "/resources/program/tips.cnf"));
    EXPECT_EQ(shipped.size(), kCalibrationSize);
    EXPECT_EQ(decodeCalibration(shipped, fields), resetCalibration());
    for (const char* app : {"C:\\Velkorin", "C:\\Velkorin\\"})
        EXPECT_EQ(calibrationPath(QString::fromLatin1(app)), u"C:\\Velkorin\\tips.cnf") << app;
}

TEST(CalibrationFile, ReadsWhatItWroteKeepsTheBytesAfterTheRecordAndReportsDamagedOrMissing)
{
    ScratchConfig config;
    config.writeIni("[Velkorin]\r\nAppPath=" + config.folder().toUtf8() + "\r\n");
    const QString file = config.folder() + QStringLiteral("/tips.cnf");
    EXPECT_EQ(errorOf([] { readCalibrationFile(); }), 53);
    writeCalibrationFile(kSample);
    EXPECT_EQ(readFileBytes(file), kSampleBytes);
    writeFileBytes(file, QByteArray(29, 'x') + "tail");
    writeCalibrationFile(kSample);
    EXPECT_EQ(
        std::pair(readFileBytes(file), readCalibrationFile()), std::pair(QByteArray(kSampleBytes + "tail"), kSample));

    // A short file is reported as damaged, not as a settings file without AppPath, also when it is
    // cut inside its last field. Bytes, fields read.
    for (const auto& [bytes, count] : {std::pair{20, 10}, std::pair{26, 12}, std::pair{28, 13}}) {
        writeFileBytes(file, kSampleBytes.left(bytes));
        PrintCalibration partial;
        int fields = 0;
        EXPECT_EQ(std::tuple(errorOf([&] { readCalibrationFile(&partial, &fields); }), fields, partial.distance[J1X]),
            std::tuple(321, count, std::int16_t{1}))
            << bytes;
    }
    config.writeIni("[Velkorin]\r\nLanguage=Swedish\r\n");
    EXPECT_EQ(std::pair(errorOf([] { readCalibrationFile(); }), errorOf([] { writeCalibrationFile(kSample); })),
        std::pair(62, 62));
    EXPECT_EQ(readFileBytes(file), kSampleBytes.left(28));
}

// The program builds the calibration file's name from AppPath, so folder and file are found in any
// letter case, and that file is the one written.
TEST(CalibrationFile, ItsNameIsFoundIgnoringLetterCase)
{
    ScratchConfig config;
    ASSERT_TRUE(QDir(config.folder()).mkdir(QStringLiteral("Program")));
    config.writeIni("AppPath=" + config.folder().toUtf8() + "\\PROGRAM\r\n");
    const QString file = config.folder() + QStringLiteral("/Program/Tips.CNF");
    writeFileBytes(file, QByteArray(29, 'x'));
    writeCalibrationFile(kSample);
    EXPECT_EQ(std::tuple(readCalibrationFile(), readFileBytes(file),
                  QDir(config.folder() + QStringLiteral("/Program")).entryList(QDir::Files)),
        std::tuple(kSample, kSampleBytes, QStringList{QStringLiteral("Tips.CNF")}));
}

// The record is written into the file that is there (through a link, the same file, so a read-only
// program folder does not matter) and only its 29 bytes are read, however large the file.
TEST(CalibrationFile, IsWrittenInPlaceThroughALinkAndOnlyItsRecordIsRead)
{
    ScratchConfig config;
    config.writeIni("AppPath=" + config.folder().toUtf8() + "\r\n");
    const QString real = config.folder() + QStringLiteral("/real.cnf");
    const QString twin = config.folder() + QStringLiteral("/twin.cnf");
    writeFileBytes(real, QByteArray(29, 'x') + "tail");
    ASSERT_TRUE(QFile::link(real, config.folder() + QStringLiteral("/tips.cnf")));
    ASSERT_EQ(::link(QFile::encodeName(real).constData(), QFile::encodeName(twin).constData()), 0);
    writeCalibrationFile(kSample);
    EXPECT_EQ(std::pair(QFileInfo(config.folder() + QStringLiteral("/tips.cnf")).isSymLink(), readFileBytes(twin)),
        std::pair(true, QByteArray(kSampleBytes + "tail")));

    // A terabyte, nearly all of it a hole.
    ASSERT_TRUE(QFile::resize(real, qint64{1} << 40));
    EXPECT_EQ(readCalibrationFile(), kSample);

    // A read-only file is refused, a pipe too, and neither is touched.
    ASSERT_TRUE(QFile::resize(real, 29));
    QFile::setPermissions(real, QFile::ReadOwner);
    EXPECT_EQ(errorOf([] { writeCalibrationFile(PrintCalibration{}); }), 70);
    EXPECT_EQ(readFileBytes(twin), kSampleBytes);
    QFile::remove(real);
    ASSERT_EQ(::mkfifo(QFile::encodeName(real).constData(), 0666), 0);
    EXPECT_EQ(errorOf([] { writeCalibrationFile(PrintCalibration{}); }), vberr::NotARegularFile);
}

TEST(CalibrationBox, ClearsZeroAndOutOfRangeAndTheAngleTextReadsBack)
{
    // Per range the texts the box keeps and those it clears, "|" between them.
    // lowest, highest, texts kept, texts cleared
    const std::tuple<double, double, const char*, const char*> cases[] = {
        {-20000, 20000, "00|-0||20000", "0|20001|-20001"}, {-1, 1, ".5", "1.5"}, {1, 25, "3|25", "30|00|"}};
    for (const auto& [lo, hi, kept, cleared] : cases)
        for (const bool keeps : {true, false})
            for (const QString& text : QString::fromLatin1(keeps ? kept : cleared).split(u'|'))
                EXPECT_EQ(calibrationBoxKeeps(text, lo, hi), keeps) << text.toStdString() << " " << hi;
    EXPECT_EQ(
        QStringList({angleText(0), angleText(1), angleText(-0.25F), angleText(0.1F)}).join(u' '), u"0 1 -0.25 0.1");
}

}  // namespace
