// Saving through a temporary file: the old file survives every failure.

#include "platform/atomicfile.h"
#include "support/testhelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// The folder holds the one file and nothing left beside it.
void expectOnly(const QTemporaryDir& dir, const QString& name)
{
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

TEST(AtomicFile, ReplacesTheOldFileWholeAndLeavesNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ram.1X2"));
    writeFileBytes(path, QByteArray(1000, 'a'));
    vb::writeFileAtomically(path, "short");
    EXPECT_EQ(readFileBytes(path), "short");
    expectOnly(dir, QStringLiteral("ram.1X2"));
    // Old-style paths work too.
    QDir(dir.path()).mkdir(QStringLiteral("System"));
    vb::writeFileAtomically(dir.path() + QStringLiteral("\\system\\a.RM"), "x");
    EXPECT_EQ(readFileBytes(dir.filePath(QStringLiteral("System/a.RM"))), "x");
}

TEST(AtomicFile, FailuresRaiseAndKeepTheOldFile)
{
    QTemporaryDir dir;
    EXPECT_EQ(saveError(dir.filePath(QStringLiteral("missing/a.RM")), "x"), 76);
    EXPECT_EQ(saveError(dir.path(), "x"), 75);  // a folder is no file
    EXPECT_TRUE(QDir(dir.path()).exists());
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

TEST(AtomicFile, AFullDiskKeepsTheOldFileWhole)
{
    struct Case {
        rlim_t limit;
        qsizetype size;
        int error;
    };
    const Case cases[] = {{4096, 10000, 61},  // stays inside the write buffer until the end
        {4096, 100000, 61}, {0, 10, 61}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ram.1X2"));
        writeFileBytes(path, "old");
        EXPECT_EQ(errorUnderSizeLimit(c.limit, path, QByteArray(c.size, 'n')), c.error);
        EXPECT_EQ(readFileBytes(path), "old");
        expectOnly(dir, QStringLiteral("ram.1X2"));
    }
}

TEST(AtomicFile, KeepsTheOldFilesPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.RM"));
    writeFileBytes(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    vb::writeFileAtomically(path, "new");
    EXPECT_EQ(QFile::permissions(path),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
}

}  // namespace
