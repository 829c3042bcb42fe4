// Saving through a temporary file: the old file survives every failure.

#include "platform/atomicfile.h"
#include "platform/vberror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

int errorOf(const QString& path, const QByteArray& bytes)
{
    try {
        vb::writeFileAtomically(path, bytes);
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

TEST(AtomicFile, ReplacesTheOldFileWholeAndLeavesNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ram.1X2"));
    put(path, QByteArray(1000, 'a'));
    vb::writeFileAtomically(path, "short");
    EXPECT_EQ(contents(path), "short");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ram.1X2")});
}

TEST(AtomicFile, OldStylePathsWork)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("System"));
    vb::writeFileAtomically(dir.path() + QStringLiteral("\\system\\a.RM"), "x");
    EXPECT_EQ(contents(dir.filePath(QStringLiteral("System/a.RM"))), "x");
}

TEST(AtomicFile, FailuresRaiseAndKeepTheOldFile)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorOf(dir.filePath(QStringLiteral("missing/a.RM")), "x"), 76);
    EXPECT_EQ(errorOf(dir.path(), "x"), 75);  // a folder is no file
    EXPECT_TRUE(QDir(dir.path()).exists());
}

TEST(AtomicFile, UnwritableFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QString sub = dir.filePath(QStringLiteral("ro"));
    QDir(dir.path()).mkdir(QStringLiteral("ro"));
    const QString path = sub + QStringLiteral("/a.RM");
    put(path, "old");
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_NE(errorOf(path, "new"), 0);
    EXPECT_EQ(contents(path), "old");
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
