// Saving through a temporary file: the old file survives every failure.

#include "platform/atomicfile.h"
#include "support/child.h"
#include "support/testhelpers.h"

#include <csignal>
#include <sys/stat.h>

namespace {

using Writer = void (*)(const QString&, const QByteArray&);

class AtomicFile : public ::testing::Test {
protected:
    // The file ram.1X2 holding `old`.
    QString oldFile(const QByteArray& old) { return writeFileBytes(path_, old), path_; }
    // The folder holds the one file and nothing left beside it.
    void expectOnlyTheFile() const
    {
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ram.1X2")});
    }
    QTemporaryDir dir_;
    const QString path_ = dir_.filePath(QStringLiteral("ram.1X2"));
};

// A name is the file's own: another letter case is another file, and a backslash is part of a name.
TEST_F(AtomicFile, TakesTheNameExactlyAsGiven)
{
    oldFile("old");
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("a")));
    for (const char* name : {"Ram.1X2", "RAM.1x2", "a\\b.1X2"})
        vb::writeFileAtomically(dir_.filePath(QString::fromLatin1(name)), name);
    EXPECT_EQ(std::tuple(readFileBytes(path_), readFileBytes(dir_.filePath(QStringLiteral("Ram.1X2"))),
                  readFileBytes(dir_.filePath(QStringLiteral("a\\b.1X2"))), QDir(dir_.filePath(QStringLiteral("a"))).isEmpty()),
        std::tuple(QByteArray("old"), QByteArray("Ram.1X2"), QByteArray("a\\b.1X2"), true));
}

// Any name and path the file system takes can be saved over a longer old file, which the new one
// replaces whole: the temporary file beside it has a short name of its own, made inside the folder.
TEST_F(AtomicFile, NamesUpToTheFileSystemsLimitAndPathsUpToPathMaxAreSaved)
{
    const QString longestFolders = [this] {
        QString folder = dir_.path();
        // Folders of 240 bytes, then one that brings the path with "/ram10.1X2" to PATH_MAX - 1.
        while (QFile::encodeName(folder).size() + 241 + 20 < PATH_MAX) {
            folder += u'/' + QString(240, u'f');
            EXPECT_TRUE(QDir().mkdir(folder));
        }
        const int rest = PATH_MAX - 1 - 10 - int(QFile::encodeName(folder).size()) - 1;
        folder += u'/' + QString(rest, u'g');
        EXPECT_TRUE(QDir().mkdir(folder));
        return folder;
    }();
    const QString cases[] = {dir_.filePath(QString(246, u'n')), dir_.filePath(QString(255, u'x')),
        dir_.filePath(QString(127, u'å') + u'.'), longestFolders + QStringLiteral("/ram10.1X2")};
    for (const QString& target : cases) {
        SCOPED_TRACE(QFile::encodeName(target).size());
        for (const QByteArray& bytes : {QByteArray(1000, 'o'), QByteArray("new")})
            EXPECT_EQ(errorOf([&] { vb::writeFileAtomically(target, bytes); }), 0);
        EXPECT_EQ(std::pair(readFileBytes(target), QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden).size()),
            std::pair(QByteArray("new"), qsizetype(1)));
        QFile::remove(target);
    }
    EXPECT_EQ(QFile::encodeName(cases[3]).size(), PATH_MAX - 1);
    // What the file system refuses stays refused.
    EXPECT_EQ(errorOf([&] { vb::writeFileAtomically(dir_.filePath(QString(256, u'x')), "x"); }),
        vberr::PathFileAccessError);
}
// Both writers: through a link to its file, and never onto a folder, pipe, device or read-only file.
TEST_F(AtomicFile, LinksAreWrittenThroughAndOddOrReadOnlyTargetsRefusedBeforeAnythingOpensThem)
{
    const QString fifo = dir_.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    const QString link = dir_.filePath(QStringLiteral("link"));
    for (const Writer write : {Writer{vb::writeFileAtomically}, Writer{vb::writeFileInPlace}}) {
        SCOPED_TRACE(write == vb::writeFileInPlace ? "in place" : "replaced");
        QFile::remove(link);
        // A chain of two links, the second one relative.
        ASSERT_EQ(::symlink("ram.1X2", QFile::encodeName(dir_.filePath(QStringLiteral("middle"))).constData()), 0);
        ASSERT_TRUE(QFile::link(dir_.filePath(QStringLiteral("middle")), link));
        write(link, QByteArray("new"));
        EXPECT_EQ(
            std::tuple(QFileInfo(link).isSymLink(), QFileInfo(dir_.filePath(QStringLiteral("middle"))).isSymLink()),
            std::tuple(true, true));
        EXPECT_EQ(readFileBytes(path_), "new");  // the dangling link's file is made
        QFile::remove(dir_.filePath(QStringLiteral("middle")));

        // A device is a file of the test's own that the checks are told to take for one.
        const QString device = dir_.filePath(QStringLiteral("device"));
        writeFileBytes(device, "device");
        const vb::FileSystemSeam seam{device, {}};
        vb::installFileSystemSeam(&seam);
        const struct {
            QString target;
            int error;
        } refused[] = {{dir_.filePath(QStringLiteral("missing/a.RM")), 76}, {dir_.path(), vberr::NotARegularFile},
            {fifo, vberr::NotARegularFile}, {device, vberr::NotARegularFile}, {path_, 70}};
        QFile::setPermissions(oldFile("old"), QFile::ReadOwner | QFile::ReadGroup);  // judged by its mode bits
        for (const auto& r : refused) {
            EXPECT_EQ(errorOf([&] { write(r.target, "x"); }), r.error) << r.target.toStdString();
            EXPECT_EQ(errorOf([&] { vb::checkedWriteTarget(r.target); }), r.error);
        }
        vb::installFileSystemSeam(nullptr);
        EXPECT_EQ(std::tuple(QFileInfo(fifo).exists(), QFileInfo(fifo).isFile(), readFileBytes(path_),
                      readFileBytes(device)),
            std::tuple(true, false, QByteArray("old"), QByteArray("device")));
        QFile::remove(path_);
    }
}

// Written in place: the same file, its bytes after the new ones kept, so no folder write is needed.
TEST_F(AtomicFile, InPlaceWritesOverTheStartOfTheSameFile)
{
    oldFile("0123456789");
    const QString twin = dir_.filePath(QStringLiteral("twin"));
    ASSERT_TRUE(::link(QFile::encodeName(path_).constData(), QFile::encodeName(twin).constData()) == 0);
    vb::writeFileInPlace(path_, "abc");
    EXPECT_EQ(readFileBytes(twin), "abc3456789");
}

// Runs one save in a child process under a file-size limit (SIGXFSZ ignored, so the write fails with
// an error as on a full disk); answers the error number, 0 for success.
int errorUnderSizeLimit(
    rlim_t limit, const QString& path, const QByteArray& bytes, Writer write = vb::writeFileAtomically)
{
    return childExit(limit, [&] { return ::signal(SIGXFSZ, SIG_IGN), errorOf([&] { write(path, bytes); }) % 256; });
}

TEST_F(AtomicFile, AFullDiskKeepsTheOldFileWhole)
{
    // limit, size; 10000 stays inside the write buffer until the end
    const std::pair<rlim_t, qsizetype> cases[] = {{4096, 10000}, {4096, 100000}, {0, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        EXPECT_EQ(errorUnderSizeLimit(c.first, oldFile("old"), QByteArray(c.second, 'n')), 61);
        EXPECT_EQ(readFileBytes(path_), "old");
        expectOnlyTheFile();
    }
    // In place too.
    EXPECT_EQ(errorUnderSizeLimit(2, path_, "new", vb::writeFileInPlace), 61);
}

// The new file takes the old one's mode, owner and group. The suite runs as root (its print server
// needs it), so the old file can belong to other ids.
TEST_F(AtomicFile, KeepsTheOldFilesPermissionsOwnerAndGroup)
{
    QFile::setPermissions(oldFile("old"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_EQ(::chown(QFile::encodeName(path_).constData(), 4321, 4322), 0) << "the suite runs as root";
    const auto owned = [this] {
        const QFileInfo f(path_);
        return std::tuple(f.permissions(), f.ownerId(), f.groupId());
    };
    const auto before = owned();
    vb::writeFileAtomically(path_, "new");
    EXPECT_EQ(std::pair(readFileBytes(path_), owned()), std::pair(QByteArray("new"), before));
}

// The new file is the bytes, then the old file's own from an offset on: shorter or longer than
// before, and the whole old file when the offset is 0.
TEST_F(AtomicFile, ReplacingTheStartKeepsTheRestOfTheOldFile)
{
    const QByteArray big = QByteArray(200000, 'b') + "end";
    const struct {
        QByteArray old;  // empty: no file
        QByteArray start;
        std::int64_t keepFrom;
        QByteArray expected;
    } cases[] = {{"0123456789", "ab", 4, "ab456789"}, {"0123456789", "abcdefgh", 2, "abcdefgh23456789"},
        {"0123", "new", 9, "new"}, {"", "new", 3, "new"}, {"tail", "head,", 0, "head,tail"},
        {big, "x", 1, "x" + big.mid(1)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.left(20).toStdString());
        QFile::remove(path_);
        if (!c.old.isEmpty())
            oldFile(c.old);
        vb::replaceFileStart(path_, c.start, c.keepFrom);
        EXPECT_EQ(readFileBytes(path_), c.expected);
        expectOnlyTheFile();
    }
}

// The new file taking the old one's place is the last step: when it fails (here a folder has taken
// the target's name), the save fails, and nothing of the save is left.
TEST_F(AtomicFile, AFailedReplaceIsReportedAndLeavesNothingBeside)
{
    const QString folder = dir_.filePath(QStringLiteral("ram.1X2"));
    const vb::FileSystemSeam seam{QString(), [&] {
                                      QDir().mkdir(folder);
                                      writeFileBytes(folder + QStringLiteral("/inside"), "kept");
                                  }};
    vb::installFileSystemSeam(&seam);
    const int error = errorOf([&] { vb::writeFileAtomically(path_, "new"); });
    vb::installFileSystemSeam(nullptr);
    EXPECT_EQ(std::tuple(error, readFileBytes(folder + QStringLiteral("/inside")),
                  QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)),
        std::tuple(int(vberr::PathFileAccessError), QByteArray("kept"), QStringList{QStringLiteral("ram.1X2")}));
}

}  // namespace
