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

// The program builds the settings file's name itself, so it finds the file in any letter case and
// writes that file, not a second one.
TEST_F(SettingsFile, ItsOwnNameIsFoundIgnoringLetterCase)
{
    const QString lower = folder() + QStringLiteral("/velkorin/velkorin.ini");
    writeFileBytes(lower, "Language=Swedish\r\n");
    writeLanguageItem(QStringLiteral("Language=Finnish"));
    EXPECT_EQ(std::tuple(IniScan(QStringLiteral("Language")), readFileBytes(lower),
                  QDir(folder() + QStringLiteral("/velkorin")).entryList(QDir::Files | QDir::Hidden)),
        std::tuple(QStringLiteral("Finnish"), QByteArray("Language=Finnish\r\n"), QStringList{QStringLiteral("velkorin.ini")}));
}

// A start reads only the first megabyte; the switch works on a file of any size and keeps every byte
// of it, putting a missing item first when the end lies beyond what a start reads.
TEST_F(SettingsFile, OnlyTheStartOfAHugeFileIsReadAndTheSwitchKeepsAllOfIt)
{
    const QByteArray blanks(3 << 20, ' ');
    const QByteArray cases[][2] = {
        {blanks + "\r\nLanguage=Finnish\r\n", "Language=Swedish\r\n" + blanks + "\r\nLanguage=Finnish\r\n"},
        {"Language=Finnish\r\n" + blanks, "Language=Swedish\r\n" + blanks},
        {"AppPath=/v\r\nLanguage=Fi\r\n" + blanks + "end", "AppPath=/v\r\nLanguage=Swedish\r\n" + blanks + "end"},
        // Appended, the item ends just inside the first megabyte; one byte more and it goes first.
        {QByteArray((1 << 20) - 18, ';'), QByteArray((1 << 20) - 18, ';') + "\r\nLanguage=Swedish"},
        {QByteArray((1 << 20) - 17, ';'), "Language=Swedish\r\n" + QByteArray((1 << 20) - 17, ';')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0].size());
        writeIni(c[0]);
        writeLanguageItem(QStringLiteral("Language=Swedish"));
        EXPECT_EQ(std::pair(readIni() == c[1], IniScan(QStringLiteral("Language"))),
            std::pair(true, QStringLiteral("Swedish")));
    }
    writeIni(blanks + "\r\nLanguage=Finnish\r\n");
    EXPECT_EQ(scanError("Language"), vberr::InputPastEnd);
}

TEST(SettingsPaths, TrailingBackslashIsNotDoubled)
{
    EXPECT_EQ(dialogStartFolder(QStringLiteral("C:\\Velkorin")), QStringLiteral("C:\\Velkorin\\System\\"));
    EXPECT_EQ(dialogStartFolder(QStringLiteral("C:\\Velkorin\\")), QStringLiteral("C:\\Velkorin\\System\\"));
    EXPECT_EQ(helpFilePath(QStringLiteral("C:\\V"), 0), QStringLiteral("C:\\V\\tipsswe.hlp"));
    EXPECT_EQ(helpFilePath(QStringLiteral("C:\\V\\"), 10000), QStringLiteral("C:\\V\\tipsfin.hlp"));
}

}  // namespace
