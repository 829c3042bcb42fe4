#include "shell/settings.h"

#include "platform/filenumber.h"
#include "support/testhelpers.h"

namespace {

class SettingsFile : public ::testing::Test, protected ScratchConfig {
protected:
    void TearDown() override { FileNumber::one().close(); }
    static int scanError(const char* key)
    {
        return errorOf([&] { IniScan(QString::fromLatin1(key)); });
    }
};

// Keys match case-blind at the start of an item, values are trimmed, and a comma ends an item unless
// quoted.
TEST_F(SettingsFile, ItemsAreFoundByTheirLeadingKeyIgnoringCase)
{
    const char* cases[][3] = {
        // file, key, value
        {"language = Finnish\r\nAppPath=C:\\Velkorin\r\n", "Language", "Finnish"},
        {"Languages=finnish\r\n", "Language", "finnish"},
        {"x=1\r\n  AppPath=/opt/velkorin\r\n", "AppPath", "/opt/velkorin"},
        {"x=1\r\n\t AppPath=/opt/velkorin\r\n", "AppPath", "/opt/velkorin"},  // a tab is a blank too
        {"AppPath=C:\\Program Files,Velkorin\r\n", "AppPath", "C:\\Program Files"},
        {"Language=Swedish,\"AppPath=C:\\a,b\"\r\n", "AppPath", "C:\\a,b"},
        {"AppPath\r\n", "AppPath", "AppPath"},
    };
    for (const auto& c : cases) {
        writeIni(c[0]);
        EXPECT_EQ(IniScan(QString::fromLatin1(c[1])), QString::fromLatin1(c[2])) << c[0];
        EXPECT_FALSE(FileNumber::one().isOpen());
    }
}

TEST_F(SettingsFile, MissingKeyMissingFileAndOpenFileGiveTheirErrors)
{
    writeIni("Language=Swedish\r\n");
    EXPECT_EQ(scanError("AppPath"), vberr::InputPastEnd);
    FileNumber::one().open(iniPath(), FileNumber::Mode::BinaryRead);
    EXPECT_EQ(scanError("Language"), vberr::FileAlreadyOpen);
    FileNumber::one().close();
    QFile::remove(iniPath());
    EXPECT_EQ(scanError("AppPath"), vberr::FileNotFound);
    writeLanguageItem(QStringLiteral("Language=Swedish"));  // a missing file is made
    EXPECT_EQ(readIni(), QByteArray("Language=Swedish"));
}

TEST_F(SettingsFile, LanguageSwitchReplacesTheWholeItemAndKeepsEveryOther)
{
    const QByteArray cases[][2] = {
        {"AppPath=/opt/v\r\nLanguage=Swedish\r\nOther=1\r\n", "AppPath=/opt/v\r\nLanguage=Finnish\r\nOther=1\r\n"},
        {"Language=Fi\r\nAppPath=/opt/v\r\n", "Language=Finnish\r\nAppPath=/opt/v\r\n"},
        {"  language = Swedish and more,AppPath=/opt/v\n", "Language=Finnish,AppPath=/opt/v\n"},
        {"AppPath=/opt/v\r\n", "AppPath=/opt/v\r\nLanguage=Finnish"},
        {"AppPath=/opt/v", "AppPath=/opt/v\r\nLanguage=Finnish"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0].toStdString());
        writeIni(c[0]);
        writeLanguageItem(QStringLiteral("Language=Finnish"));
        EXPECT_EQ(std::tuple(readIni(), IniScan(QStringLiteral("Language")), IniScan(QStringLiteral("AppPath"))),
            std::tuple(c[1], QStringLiteral("Finnish"), QStringLiteral("/opt/v")));
        EXPECT_FALSE(FileNumber::one().isOpen());
    }
}

TEST_F(SettingsFile, OnlyTheStartOfAHugeFileIsRead)
{
    writeIni(QByteArray(3 << 20, ' ') + "\r\nLanguage=Finnish\r\n");
    EXPECT_EQ(
        std::pair(scanError("Language"), errorOf([] { writeLanguageItem(QStringLiteral("Language=Swedish")); }) != 0),
        std::pair(vberr::InputPastEnd, true));
    EXPECT_EQ(readIni().size(), (3 << 20) + 20);
}

TEST(SettingsPaths, TrailingBackslashIsNotDoubled)
{
    EXPECT_EQ(dialogStartFolder(QStringLiteral("C:\\Velkorin")), QStringLiteral("C:\\Velkorin\\System\\"));
    EXPECT_EQ(dialogStartFolder(QStringLiteral("C:\\Velkorin\\")), QStringLiteral("C:\\Velkorin\\System\\"));
    EXPECT_EQ(helpFilePath(QStringLiteral("C:\\V"), 0), QStringLiteral("C:\\V\\tipsswe.hlp"));
    EXPECT_EQ(helpFilePath(QStringLiteral("C:\\V\\"), 10000), QStringLiteral("C:\\V\\tipsfin.hlp"));
}

}  // namespace
