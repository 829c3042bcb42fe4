#include "platform/filenumber.h"
#include "platform/vberror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/testhelpers.h"

#include <gtest/gtest.h>

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
    f.open(at(u"A.RM"_s), FileNumber::Mode::BinaryRead);  // letter case does not matter
    EXPECT_EQ(f.size(), 3);
    // A corrupt count asks for far more than any machine holds: refused before any allocation.
    EXPECT_EQ(errorOf([&] { f.readBytes(std::int64_t{1} << 60); }), vberr::InputPastEnd);
    EXPECT_EQ(f.readBytes(3), QByteArray("abc"));
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(errorOf([&] { f.readBytes(1); }), vberr::InputPastEnd);
    EXPECT_EQ(f.readBytes(0), QByteArray());
}

TEST_F(FileNumberTest, OpenErrors)
{
    EXPECT_EQ(errorOf([&] { f.open(at(u"missing"_s), FileNumber::Mode::BinaryRead); }), vberr::FileNotFound);
    EXPECT_EQ(errorOf([&] { f.open(at(u"missing"_s), FileNumber::Mode::BinaryReadWrite); }), vberr::FileNotFound);
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(errorOf([&] { f.open(at(u"nofolder/x"_s), FileNumber::Mode::TextOutput); }), vberr::PathNotFound);
    EXPECT_EQ(errorOf([&] { f.open(dir.path(), FileNumber::Mode::BinaryWrite); }), vberr::PathFileAccessError);
    EXPECT_FALSE(f.isOpen());

    f.open(at(u"x"_s), FileNumber::Mode::BinaryWrite);
    EXPECT_EQ(errorOf([&] { f.open(at(u"y"_s), FileNumber::Mode::BinaryWrite); }), vberr::FileAlreadyOpen);
    EXPECT_TRUE(f.isOpen());  // the open file stays open
    f.close();
    f.close();
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(errorOf([&] { f.readBytes(1); }), vberr::BadFileName);
    EXPECT_EQ(errorOf([&] { f.writeBytes("1"); }), vberr::BadFileName);
}

TEST_F(FileNumberTest, ModesDecideWhatMayBeDone)
{
    writeFileBytes(at(u"data"_s), "0123456789");
    f.open(at(u"data"_s), FileNumber::Mode::BinaryRead);
    EXPECT_EQ(errorOf([&] { f.writeBytes("1"); }), vberr::BadFileMode);
    f.close();

    f.open(at(u"data"_s), FileNumber::Mode::BinaryReadWrite);  // overwrite in place
    f.seek(2);
    f.writeBytes("ab");
    f.close();
    EXPECT_EQ(readFileBytes(at(u"data"_s)), QByteArray("01ab456789"));

    f.open(at(u"data"_s), FileNumber::Mode::BinaryWrite);  // keeps the content, extends it
    f.seek(10);
    f.writeBytes("!");
    f.close();
    EXPECT_EQ(readFileBytes(at(u"data"_s)), QByteArray("01ab456789!"));

    f.open(at(u"data"_s), FileNumber::Mode::TextOutput);  // starts anew
    f.writeBytes("R");
    EXPECT_EQ(errorOf([&] { f.readBytes(1); }), vberr::BadFileMode);
    f.close();
    EXPECT_EQ(readFileBytes(at(u"data"_s)), QByteArray("R"));
}

TEST_F(FileNumberTest, OldStylePathsAndTheCloserWork)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"System"_s));
    writeFileBytes(at(u"System/Sys1.RM"_s), "z");
    {
        FileNumberCloser closer;
        f.open(dir.path() + u"\\SYSTEM\\sys1.rm"_s, FileNumber::Mode::BinaryRead);
        EXPECT_EQ(f.readBytes(1), QByteArray("z"));
        try {
            FileNumberCloser inner;
            f.readBytes(1);
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), vberr::InputPastEnd);
        }
        EXPECT_FALSE(f.isOpen());  // closed on the error path
    }
    EXPECT_FALSE(f.isOpen());
}
