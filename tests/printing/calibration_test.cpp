// The calibration file: its bytes both ways, the damaged and missing cases, writing over a longer
// file, the shipped file, and the dialog's box check.

#include "printing/calibration.h"

#include "support/testhelpers.h"

#include <gtest/gtest.h>

namespace {

PrintCalibration sample()
{
    PrintCalibration c;
    c.distance = {150, -140, 43, 21, 14, 22, 31, 690, 1, -735, 20000};
    c.ANGLE = -0.5F;
    c.STYLE = 0;
    c.RPC = 25;
    return c;
}

QByteArray sampleBytes()
{
    return QByteArray::fromHex("9600 74ff 2b00 1500 0e00 1600 1f00 b202 0100 21fd 204e 000000bf 00 1900");
}

TEST(CalibrationRecord, BytesBothWays)
{
    EXPECT_EQ(encodeCalibration(sample()), sampleBytes());
    int fields = 0;
    EXPECT_EQ(decodeCalibration(sampleBytes(), fields), sample());
    EXPECT_EQ(fields, kCalibrationFields);
}

TEST(CalibrationRecord, ShortRecordStopsAtTheFirstIncompleteField)
{
    const struct {
        int bytes;
        int fields;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {22, 11}, {25, 11}, {26, 12}, {27, 13}, {28, 13}};
    for (const auto& c : cases) {
        int fields = -1;
        const PrintCalibration got = decodeCalibration(sampleBytes().left(c.bytes), fields);
        EXPECT_EQ(fields, c.fields) << c.bytes;
        if (fields >= 2) {
            EXPECT_EQ(got.distance[LEFT], -140);
        }
    }
}

TEST(CalibrationRecord, ProgramFolderShipsTheResetValues)
{
    int fields = 0;
    const QByteArray shipped = readFileBytes(QStringLiteral(VELKORIN_SOURCE_DIR "/resources/program/tips.cnf"));
    EXPECT_EQ(shipped.size(), kCalibrationSize);
    EXPECT_EQ(decodeCalibration(shipped, fields), resetCalibration());
}

TEST(CalibrationRecord, PathAfterAppPath)
{
    EXPECT_EQ(calibrationPath(QStringLiteral("C:\\Velkorin")), u"C:\\Velkorin\\tips.cnf");
    EXPECT_EQ(calibrationPath(QStringLiteral("C:\\Velkorin\\")), u"C:\\Velkorin\\tips.cnf");
}

class CalibrationFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.writeIni("[Velkorin]\r\nAppPath=" + config_.folder().toUtf8() + "\r\n");
    }
    QString file() const { return config_.folder() + QStringLiteral("/tips.cnf"); }
    ScratchConfig config_;
};

TEST_F(CalibrationFile, ReadsWhatItWroteAndKeepsTheBytesAfterTheRecord)
{
    writeCalibrationFile(sample());
    EXPECT_EQ(readFileBytes(file()), sampleBytes());
    writeFileBytes(file(), QByteArray(29, 'x') + "tail");
    writeCalibrationFile(sample());
    EXPECT_EQ(readFileBytes(file()), sampleBytes() + "tail");
    EXPECT_EQ(readCalibrationFile(), sample());
}

TEST_F(CalibrationFile, DamagedOrMissing)
{
    EXPECT_EQ(errorOf([] { readCalibrationFile(); }), 53);
    writeFileBytes(file(), sampleBytes().left(20));
    PrintCalibration partial;
    int fields = 0;
    // A short file is reported as damaged, not as a settings file without AppPath.
    EXPECT_EQ(errorOf([&] { readCalibrationFile(&partial, &fields); }), 321);
    EXPECT_EQ(fields, 10);
    EXPECT_EQ(partial.distance[J1X], 1);
    config_.writeIni("[Velkorin]\r\nLanguage=Swedish\r\n");
    EXPECT_EQ(errorOf([] { readCalibrationFile(); }), 62);
    EXPECT_EQ(errorOf([] { writeCalibrationFile(sample()); }), 62);
    EXPECT_EQ(readFileBytes(file()), sampleBytes().left(20));
}

TEST(CalibrationBox, ClearsZeroAndOutOfRange)
{
    const struct {
        const char* text;
        double lo;
        double hi;
        bool keeps;
    } cases[] = {{"0", -20000, 20000, false}, {"00", -20000, 20000, true}, {"-0", -20000, 20000, true},
        {"", -20000, 20000, true}, {"20000", -20000, 20000, true}, {"20001", -20000, 20000, false},
        {"-20001", -20000, 20000, false}, {".5", -1, 1, true}, {"1.5", -1, 1, false}, {"3", 1, 25, true},
        {"30", 1, 25, false}, {"25", 1, 25, true}, {"00", 1, 25, false}, {"", 1, 25, false}};
    for (const auto& c : cases)
        EXPECT_EQ(calibrationBoxKeeps(QString::fromLatin1(c.text), c.lo, c.hi), c.keeps) << c.text;
}

TEST(CalibrationBox, AngleTextReadsBack)
{
    EXPECT_EQ(
        QStringList({angleText(0), angleText(1), angleText(-0.25F), angleText(0.1F)}).join(u' '), u"0 1 -0.25 0.1");
}

}  // namespace
