// Saving through a temporary file: the old file survives every failure.

#include "platform/atomicfile.h"
#include "support/testhelpers.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int saveError(const QString& path, const QByteArray& bytes)
{
    return errorOf([&] { vb::writeFileAtomically(path, bytes); });
}

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

TEST_F(AtomicFile, FailuresRaiseAndKeepTheOldFile)
{
    EXPECT_EQ(saveError(dir_.filePath(QStringLiteral("missing/a.RM")), "x"), 76);
    EXPECT_EQ(saveError(dir_.path(), "x"), 75);  // a folder is no file
    EXPECT_TRUE(QDir(dir_.path()).exists());
}

// Runs one save in a child process under a file-size limit (SIGXFSZ ignored, so the write fails with
// an error as on a full disk); answers the error number, 0 for success.
int errorUnderSizeLimit(rlim_t limit, const QString& path, const QByteArray& bytes)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        ::_exit(saveError(path, bytes) % 256);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
}

TEST_F(AtomicFile, KeepsTheOldFilesPermissions)
{
    QFile::setPermissions(oldFile("old"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    vb::writeFileAtomically(path_, "new");
    EXPECT_EQ(QFile::permissions(path_),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
}

}  // namespace
