#include "shell/settings.h"

#include "platform/filenumber.h"
#include "platform/vberror.h"

#include "support/testhelpers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void TearDown() override { FileNumber::one().close(); }
    QString path() const { return config_.iniPath(); }
    void write(const QByteArray& bytes) { config_.writeIni(bytes); }
    QByteArray read() const { return config_.readIni(); }

    ScratchConfig config_;
};

// Keys match case-blind at the start of an item, values are trimmed, and a comma ends an item unless
// quoted.
TEST_F(SettingsFile, ItemsAreFoundAsTheOldReaderFoundThem)
{
    const char* cases[][3] = {
        // file, key, value
        {"language = Finnish\r\nAppPath=C:\\Velkorin\r\n", "Language", "Finnish"},
        {"Languages=finnish\r\n", "Language", "finnish"},
        {"x=1\r\n  AppPath=/opt/velkorin\r\n", "AppPath", "/opt/velkorin"},
        {"AppPath=C:\\Program Files,Velkorin\r\n", "AppPath", "C:\\Program Files"},
        {"Language=Swedish,\"AppPath=C:\\a,b\"\r\n", "AppPath", "C:\\a,b"},
        {"AppPath\r\n", "AppPath", "AppPath"},
    };
    for (const auto& [file, key, value] : cases) {
        write(file);
        EXPECT_EQ(IniScan(QString::fromLatin1(key)), QString::fromLatin1(value)) << file;
        EXPECT_FALSE(FileNumber::one().isOpen());
    }
}

TEST_F(SettingsFile, MissingKeyMissingFileAndOpenFileGiveTheOldErrors)
{
    write("Language=Swedish\r\n");
    EXPECT_EQ(errorOf([] { IniScan(QStringLiteral("AppPath")); }), vberr::InputPastEnd);
    EXPECT_FALSE(FileNumber::one().isOpen());
    QFile::remove(path());
    EXPECT_EQ(errorOf([] { IniScan(QStringLiteral("AppPath")); }), vberr::FileNotFound);
    write("Language=Swedish\r\n");
    FileNumber::one().open(path(), FileNumber::Mode::BinaryRead);
    EXPECT_EQ(errorOf([] { IniScan(QStringLiteral("Language")); }), vberr::FileAlreadyOpen);
}

TEST_F(SettingsFile, LanguageSwitchReplacesTheWholeItemAndKeepsEveryOther)
{
    struct Case {
        QByteArray before;
        QByteArray after;
    };
    const Case cases[] = {
        {"AppPath=/opt/v\r\nLanguage=Swedish\r\nOther=1\r\n", "AppPath=/opt/v\r\nLanguage=Finnish\r\nOther=1\r\n"},
        {"Language=Fi\r\nAppPath=/opt/v\r\n", "Language=Finnish\r\nAppPath=/opt/v\r\n"},
        {"  language = Swedish and more,AppPath=/opt/v\n", "Language=Finnish,AppPath=/opt/v\n"},
        {"AppPath=/opt/v\r\n", "AppPath=/opt/v\r\nLanguage=Finnish"},
        {"AppPath=/opt/v", "AppPath=/opt/v\r\nLanguage=Finnish"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before.toStdString());
        write(c.before);
        writeLanguageItem(QStringLiteral("Language=Finnish"));
        EXPECT_EQ(read(), c.after);
        EXPECT_EQ(IniScan(QStringLiteral("Language")), QStringLiteral("Finnish"));
        EXPECT_EQ(IniScan(QStringLiteral("AppPath")), QStringLiteral("/opt/v"));
        EXPECT_FALSE(FileNumber::one().isOpen());
    }
}

TEST_F(SettingsFile, LanguageSwitchCreatesAMissingFile)
{
    QFile::remove(path());
    writeLanguageItem(QStringLiteral("Language=Swedish"));
    EXPECT_EQ(read(), QByteArray("Language=Swedish"));
}

TEST_F(SettingsFile, OnlyTheStartOfAHugeFileIsRead)
{
    write(QByteArray(3 << 20, ' ') + "\r\nLanguage=Finnish\r\n");
    EXPECT_EQ(errorOf([] { IniScan(QStringLiteral("Language")); }), vberr::InputPastEnd);
    EXPECT_NE(errorOf([] { writeLanguageItem(QStringLiteral("Language=Swedish")); }), 0);
    EXPECT_EQ(read().size(), (3 << 20) + 20);
}

TEST(SettingsPaths, TrailingBackslashIsNotDoubled)
{
    EXPECT_EQ(dialogStartFolder(QStringLiteral("C:\\Velkorin")), QStringLiteral("C:\\Velkorin\\System\\"));
    EXPECT_EQ(dialogStartFolder(QStringLiteral("C:\\Velkorin\\")), QStringLiteral("C:\\Velkorin\\System\\"));
    EXPECT_EQ(helpFilePath(QStringLiteral("C:\\V"), 0), QStringLiteral("C:\\V\\tipsswe.hlp"));
    EXPECT_EQ(helpFilePath(QStringLiteral("C:\\V\\"), 10000), QStringLiteral("C:\\V\\tipsfin.hlp"));
}

}  // namespace
