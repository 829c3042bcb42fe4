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

TEST_F(AtomicFile, ReplacesTheOldFileWholeAndLeavesNothingBeside)
{
    vb::writeFileAtomically(oldFile(QByteArray(1000, 'a')), "short");
    EXPECT_EQ(readFileBytes(path_), "short");
    expectOnlyTheFile();
    // Paths with backslashes and in any case work too.
    QDir(dir_.path()).mkdir(QStringLiteral("System"));
    vb::writeFileAtomically(dir_.path() + QStringLiteral("\\system\\a.RM"), "x");
    EXPECT_EQ(readFileBytes(dir_.filePath(QStringLiteral("System/a.RM"))), "x");
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

        const struct {
            QString target;
            int error;
        } refused[] = {{dir_.filePath(QStringLiteral("missing/a.RM")), 76}, {dir_.path(), vberr::NotARegularFile},
            {fifo, vberr::NotARegularFile}, {QStringLiteral("/dev/null"), vberr::NotARegularFile}, {path_, 70}};
        QFile::setPermissions(oldFile("old"), QFile::ReadOwner | QFile::ReadGroup);  // judged by its mode bits
        for (const auto& r : refused) {
            EXPECT_EQ(errorOf([&] { write(r.target, "x"); }), r.error) << r.target.toStdString();
            EXPECT_EQ(errorOf([&] { vb::checkedWriteTarget(r.target); }), r.error);
        }
        EXPECT_EQ(std::tuple(QFileInfo(fifo).exists(), QFileInfo(fifo).isFile(), readFileBytes(path_)),
            std::tuple(true, false, QByteArray("old")));
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

TEST_F(AtomicFile, KeepsTheOldFilesPermissions)
{
    QFile::setPermissions(oldFile("old"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    vb::writeFileAtomically(path_, "new");
    EXPECT_EQ(QFile::permissions(path_),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
}

}  // namespace
