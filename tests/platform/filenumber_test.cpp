#include "platform/filenumber.h"

#include "platform/atomicfile.h"

#include "support/testhelpers.h"

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class FileNumberTest : public ::testing::Test {
protected:
    void TearDown() override { FileNumber::one().close(); }
    QString at(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    FileNumber& f = FileNumber::one();
};

}  // namespace

TEST_F(FileNumberTest, BytesRoundTripAndReadsPastTheEndRaise62WithoutTakingMemory)
{
    f.open(at(u"a.rm"_s), FileNumber::Mode::BinaryWrite);
    f.writeBytes("abc");
    f.flush();
    f.close();
    // The name is taken as given: another letter case is another file.
    EXPECT_EQ(errorOf([&] { f.open(at(u"A.RM"_s), FileNumber::Mode::BinaryRead); }), vberr::FileNotFound);
    f.open(at(u"a.rm"_s), FileNumber::Mode::BinaryRead);
    // A corrupt count asks for far more than any machine holds: refused before any allocation.
    EXPECT_EQ(std::pair(f.size(), errorOf([&] { f.readBytes(std::int64_t{1} << 60); })),
        std::pair(std::int64_t{3}, vberr::InputPastEnd));
    EXPECT_EQ(f.readBytes(3), QByteArray("abc"));
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(
        std::pair(errorOf([&] { f.readBytes(1); }), f.readBytes(0)), std::pair(vberr::InputPastEnd, QByteArray()));
    f.close();

    // A backslash is part of a name, not a folder; the closer closes also on the error path.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"System"_s));
    writeFileBytes(at(u"System/Sys1.RM"_s), "y");
    writeFileBytes(at(u"System\\Sys1.RM"_s), "z");
    f.open(dir.path() + u"/System\\Sys1.RM"_s, FileNumber::Mode::BinaryRead);
    EXPECT_EQ(f.readBytes(1), QByteArray("z"));
    EXPECT_EQ(errorOf([&] {
        FileNumberCloser closer;
        f.readBytes(1);
    }),
        vberr::InputPastEnd);
    EXPECT_FALSE(f.isOpen());
}

TEST_F(FileNumberTest, OpenErrors)
{
    for (const auto mode : {FileNumber::Mode::BinaryRead, FileNumber::Mode::BinaryReadWrite})
        EXPECT_EQ(errorOf([&] { f.open(at(u"missing"_s), mode); }), vberr::FileNotFound);
    EXPECT_EQ(errorOf([&] { f.open(at(u"nofolder/x"_s), FileNumber::Mode::TextOutput); }), vberr::PathNotFound);
    EXPECT_FALSE(f.isOpen());
    // Only regular files: a folder cannot be read as one, and a device or a named pipe could block or
    // never end. The device is a file of the test's own that the check is told to take for one.
    ASSERT_EQ(::mkfifo(at(u"pipe"_s).toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.path(), at(u"folder link"_s)));
    writeFileBytes(at(u"device"_s), "device");
    const vb::FileSystemSeam seam{at(u"device"_s), {}};
    vb::installFileSystemSeam(&seam);
    using M = FileNumber::Mode;
    for (const QString& odd : {at(u"device"_s), at(u"pipe"_s), dir.path(), at(u"folder link"_s)})
        for (const auto mode : {M::BinaryRead, M::BinaryReadWrite, M::BinaryWrite, M::TextOutput})
            EXPECT_EQ(errorOf([&] { f.open(odd, mode); }), vberr::NotARegularFile) << odd.toStdString();
    vb::installFileSystemSeam(nullptr);
    EXPECT_EQ(std::pair(f.isOpen(), readFileBytes(at(u"device"_s))), std::pair(false, QByteArray("device")));

    f.open(at(u"x"_s), FileNumber::Mode::BinaryWrite);
    EXPECT_EQ(errorOf([&] { f.open(at(u"y"_s), FileNumber::Mode::BinaryWrite); }), vberr::FileAlreadyOpen);
    EXPECT_TRUE(f.isOpen());  // the open file stays open
    f.close();
    f.close();
    EXPECT_EQ(std::pair(errorOf([&] { f.readBytes(1); }), errorOf([&] { f.writeBytes("1"); })),
        std::pair(vberr::BadFileName, vberr::BadFileName));
}

TEST_F(FileNumberTest, ModesDecideWhatMayBeDone)
{
    const QString data = at(u"data"_s);
    writeFileBytes(data, "0123456789");
    // `bytes` written at `pos` in `mode`: the write's error number (0 when none) and the file after.
    auto write = [&](FileNumber::Mode mode, std::int64_t pos, const char* bytes) {
        FileNumberCloser closer;
        f.open(data, mode);
        f.seek(pos);
        const int error = errorOf([&] { f.writeBytes(bytes); });
        f.close();
        return std::pair(error, readFileBytes(data));
    };
    using M = FileNumber::Mode;
    EXPECT_EQ(write(M::BinaryRead, 0, "1"), std::pair(int(vberr::BadFileMode), QByteArray("0123456789")));
    EXPECT_EQ(write(M::BinaryReadWrite, 2, "ab"), std::pair(0, QByteArray("01ab456789")));  // overwrite in place
    EXPECT_EQ(write(M::BinaryWrite, 10, "!"), std::pair(0, QByteArray("01ab456789!")));  // keeps, extends
    EXPECT_EQ(write(M::TextOutput, 0, "R"), std::pair(0, QByteArray("R")));  // starts anew
    f.open(data, M::TextOutput);
    EXPECT_EQ(errorOf([&] { f.readBytes(1); }), vberr::BadFileMode);
}
