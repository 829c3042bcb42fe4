#include "platform/paths.h"

#include <QFileInfo>

#include "support/testhelpers.h"

using namespace Qt::StringLiterals;
using namespace vb;

static void touch(const QString& path) { writeFileBytes(path, {}); }

TEST(NativePath, BackslashesDoubledSeparatorsAndComponentsIgnoringCase)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkpath(u"System/Ramar"_s));
    EXPECT_EQ(nativePath(root + u"\\System\\\\Ramar\\"_s), root + u"/System/Ramar/"_s);
    EXPECT_EQ(nativePath(root + u"//System///Ramar"_s), root + u"/System/Ramar"_s);
    EXPECT_EQ(nativePath(u"/"_s) + u'|' + nativePath(QString()), u"/|"_s);

    touch(root + u"/System/Ramar/Ram1.1X2"_s);
    EXPECT_EQ(nativePath(root + u"\\SYSTEM\\ramar\\RAM1.1x2"_s), root + u"/System/Ramar/Ram1.1X2"_s);
    // A missing component and everything after it stay as written.
    EXPECT_EQ(nativePath(root + u"\\system\\Nya\\X.rm"_s), root + u"/System/Nya/X.rm"_s);
    // A name that exists as written is taken even when others match ignoring case.
    touch(root + u"/System/ram1.1x2"_s);
    touch(root + u"/System/RAM1.1X2"_s);
    EXPECT_EQ(nativePath(root + u"/System/ram1.1x2"_s), root + u"/System/ram1.1x2"_s);
    // Otherwise the first in sorted order.
    EXPECT_EQ(nativePath(root + u"/System/Ram1.1X2"_s), root + u"/System/RAM1.1X2"_s);
}

TEST(Folders, RelativePathsStayRelativeChDirAndCurDir)
{
    QTemporaryDir dir;
    CurrentDirGuard back;
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"Help"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Sub"_s));
    touch(dir.path() + u"/Help/tipsswe.hlp"_s);
    ChDir(dir.path());
    EXPECT_EQ(std::pair(nativePath(u"HELP\\TIPSSWE.HLP"_s), nativePath(u".\\help\\..\\HELP"_s)),
        std::pair(u"Help/tipsswe.hlp"_s, u"./Help/../Help"_s));

    ChDir(dir.path() + u"\\sub"_s);
    EXPECT_EQ(QFileInfo(CurDir()).canonicalFilePath(), QFileInfo(dir.path() + u"/Sub"_s).canonicalFilePath());
    EXPECT_EQ(std::pair(errorOf([&] { ChDir(dir.path() + u"/nowhere"_s); }), errorOf([&] { ChDir(QString()); })),
        std::pair(vberr::PathNotFound, vberr::PathNotFound));
}

// A name the user typed or picked is the file's own name: letter case and backslashes count.
TEST(Folders, FileExistsAndFileTitleTakeTheNameAsGiven)
{
    QTemporaryDir dir;
    touch(dir.filePath(u"Old.RM"_s));
    touch(dir.filePath(u"a\\b.1X2"_s));
    const std::pair<QString, bool> cases[] = {{u"Old.RM"_s, true}, {u"OLD.rm"_s, false}, {u"a\\b.1X2"_s, true},
        {u"a/b.1X2"_s, false}, {QString(), false}};
    for (const auto& [name, exists] : cases)
        EXPECT_EQ(fileExists(name.isEmpty() ? dir.path() : dir.filePath(name)), exists) << name.toStdString();  // a folder is no file
    EXPECT_EQ(QStringList({fileTitle(dir.filePath(u"a\\b.1X2"_s)), fileTitle(u"/home/u/b.1X2"_s), fileTitle(u"plain"_s),
                  fileTitle(u"dir/"_s)}),
        QStringList({u"a\\b.1X2"_s, u"b.1X2"_s, u"plain"_s, QString()}));
}

TEST(Folders, SettingsFolderFollowsXdg)
{
    EnvGuard xdg("XDG_CONFIG_HOME");
    EnvGuard home("HOME");
    QTemporaryDir dir;

    qputenv("XDG_CONFIG_HOME", (dir.path() + u"/cfg"_s).toLocal8Bit());
    EXPECT_EQ(GetWindowsDirectoryA(), dir.path() + u"/cfg/velkorin"_s);
    EXPECT_TRUE(QFileInfo(dir.path() + u"/cfg/velkorin"_s).isDir());  // made when missing

    // Unset or relative: ~/.config/velkorin.
    qputenv("HOME", (dir.path() + u"/home"_s).toLocal8Bit());
    for (const char* value : {"relative/cfg", ""}) {
        qputenv("XDG_CONFIG_HOME", value);
        EXPECT_EQ(GetWindowsDirectoryA(), dir.path() + u"/home/.config/velkorin"_s) << value;
    }

    // A folder that cannot be made: empty, so the caller falls back.
    touch(dir.path() + u"/file"_s);
    qputenv("XDG_CONFIG_HOME", (dir.path() + u"/file"_s).toLocal8Bit());
    EXPECT_EQ(GetWindowsDirectoryA(), QString());
}
