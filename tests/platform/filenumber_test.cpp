#include "platform/filenumber.h"
#include "platform/vberror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/testhelpers.h"

#include <gtest/gtest.h>
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

TEST_F(FileNumberTest, BinaryValuesAreLittleEndianAndRoundTrip)
{
    f.open(at(u"a.rm"_s), FileNumber::Mode::BinaryWrite);
    f.writeByte(0xAB);
    f.writeInt16(-2);
    f.writeInt32(0x01020304);
    f.writeFloat(1.5f);
    f.writeTaggedText(u"Systemö"_s);
    f.writeBytes("xy");
    f.flush();
    f.close();
    EXPECT_EQ(readFileBytes(at(u"a.rm"_s)),
        QByteArray("\xAB\xFE\xFF\x04\x03\x02\x01\x00\x00\xC0\x3F"
                   "\x08\x00\x07\x00System\xF6xy",
            24));

    f.open(at(u"A.RM"_s), FileNumber::Mode::BinaryRead);  // letter case does not matter
    EXPECT_EQ(f.size(), 24);
    EXPECT_EQ(f.readByte(), 0xAB);
    EXPECT_EQ(f.readUInt16(), 0xFFFE);
    f.seek(1);
    EXPECT_EQ(f.readInt16(), -2);
    EXPECT_EQ(f.readInt32(), 0x01020304);
    EXPECT_EQ(f.readFloat(), 1.5f);
    EXPECT_EQ(f.readTaggedText(), u"Systemö"_s);
    EXPECT_FALSE(f.eof());
    EXPECT_EQ(f.readBytes(2), QByteArray("xy"));
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(f.pos(), 24);
}

TEST_F(FileNumberTest, ReadsPastTheEndRaise62WithoutTakingMemory)
{
    writeFileBytes(at(u"short"_s),
        QByteArray("\x08\x00\x10\x00"
                   "abc",
            7));
    f.open(at(u"short"_s), FileNumber::Mode::BinaryRead);
    EXPECT_EQ(errorOf([&] { f.readTaggedText(); }), vberr::InputPastEnd);
    f.seek(6);
    EXPECT_EQ(errorOf([&] { f.readInt16(); }), vberr::InputPastEnd);
    f.seek(4);
    EXPECT_EQ(errorOf([&] { f.readInt32(); }), vberr::InputPastEnd);
    EXPECT_EQ(errorOf([&] { f.readFloat(); }), vberr::InputPastEnd);
    // A corrupt count asks for far more than any machine holds: refused before any allocation.
    EXPECT_EQ(errorOf([&] { f.readBytes(std::int64_t{1} << 60); }), vberr::InputPastEnd);
    EXPECT_EQ(f.readBytes(3), QByteArray("abc"));
    EXPECT_EQ(errorOf([&] { f.readByte(); }), vberr::InputPastEnd);
    EXPECT_EQ(f.readBytes(0), QByteArray());
}

TEST_F(FileNumberTest, TaggedTextWithAnotherTagIsATypeMismatch)
{
    writeFileBytes(at(u"t"_s), QByteArray("\x02\x00\x05\x00", 4));
    f.open(at(u"t"_s), FileNumber::Mode::BinaryRead);
    EXPECT_EQ(errorOf([&] { f.readTaggedText(); }), vberr::TypeMismatch);
    f.close();
    f.open(at(u"t2"_s), FileNumber::Mode::BinaryWrite);
    EXPECT_EQ(errorOf([&] { f.writeTaggedText(QString(65536, u'x')); }), vberr::Overflow);
    EXPECT_EQ(f.size(), 0);  // nothing half-written
    f.writeTaggedText(QString(65535, u'x'));
    f.writeTaggedText(QString());
    f.seek(0);
    EXPECT_EQ(f.readTaggedText().size(), 65535);
    EXPECT_EQ(f.readTaggedText(), QString());
}

TEST_F(FileNumberTest, OpenErrors)
{
    EXPECT_EQ(errorOf([&] { f.open(at(u"missing"_s), FileNumber::Mode::BinaryRead); }), vberr::FileNotFound);
    EXPECT_EQ(errorOf([&] { f.open(at(u"missing"_s), FileNumber::Mode::BinaryReadWrite); }), vberr::FileNotFound);
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(errorOf([&] { f.open(at(u"nofolder/x"_s), FileNumber::Mode::TextOutput); }), vberr::PathNotFound);
    EXPECT_EQ(errorOf([&] { f.open(dir.path(), FileNumber::Mode::BinaryWrite); }), vberr::PathFileAccessError);
    EXPECT_FALSE(f.isOpen());
    // Only regular files: a device or a named pipe could block or never end.
    ASSERT_EQ(::mkfifo(at(u"pipe"_s).toLocal8Bit().constData(), 0600), 0);
    for (const QString& odd : {QStringLiteral("/dev/null"), at(u"pipe"_s)})
        for (const auto mode :
            {FileNumber::Mode::BinaryRead, FileNumber::Mode::BinaryReadWrite, FileNumber::Mode::TextOutput})
            EXPECT_EQ(errorOf([&] { f.open(odd, mode); }), vberr::NotARegularFile);
    EXPECT_FALSE(f.isOpen());

    f.open(at(u"x"_s), FileNumber::Mode::BinaryWrite);
    EXPECT_EQ(errorOf([&] { f.open(at(u"y"_s), FileNumber::Mode::BinaryWrite); }), vberr::FileAlreadyOpen);
    EXPECT_TRUE(f.isOpen());  // the open file stays open
    f.close();
    f.close();
    EXPECT_FALSE(f.isOpen());
    EXPECT_EQ(errorOf([&] { f.readByte(); }), vberr::BadFileName);
    EXPECT_EQ(errorOf([&] { f.writeByte(1); }), vberr::BadFileName);
}

TEST_F(FileNumberTest, ModesDecideWhatMayBeDone)
{
    writeFileBytes(at(u"data"_s), "0123456789");
    f.open(at(u"data"_s), FileNumber::Mode::BinaryRead);
    EXPECT_EQ(errorOf([&] { f.writeByte(1); }), vberr::BadFileMode);
    EXPECT_EQ(errorOf([&] { f.printLine(u"x"_s); }), vberr::BadFileMode);
    f.close();

    f.open(at(u"data"_s), FileNumber::Mode::BinaryReadWrite);  // overwrite in place
    f.seek(2);
    f.writeBytes("ab");
    f.close();
    EXPECT_EQ(readFileBytes(at(u"data"_s)), QByteArray("01ab456789"));

    f.open(at(u"data"_s), FileNumber::Mode::BinaryWrite);  // keeps the content, extends it
    f.seek(10);
    f.writeByte('!');
    f.close();
    EXPECT_EQ(readFileBytes(at(u"data"_s)), QByteArray("01ab456789!"));

    f.open(at(u"data"_s), FileNumber::Mode::TextOutput);  // starts anew
    f.printLine(u"Rad 1 ö"_s);
    f.printLine(QString());
    EXPECT_EQ(errorOf([&] { f.readByte(); }), vberr::BadFileMode);
    f.close();
    EXPECT_EQ(readFileBytes(at(u"data"_s)), QByteArray("Rad 1 \xF6\r\n\r\n"));
}

TEST_F(FileNumberTest, OldStylePathsAndTheCloserWork)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"System"_s));
    writeFileBytes(at(u"System/Sys1.RM"_s), "z");
    {
        FileNumberCloser closer;
        f.open(dir.path() + u"\\SYSTEM\\sys1.rm"_s, FileNumber::Mode::BinaryRead);
        EXPECT_EQ(f.readByte(), 'z');
        try {
            FileNumberCloser inner;
            f.readByte();
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), vberr::InputPastEnd);
        }
        EXPECT_FALSE(f.isOpen());  // closed on the error path
    }
    EXPECT_FALSE(f.isOpen());
}
