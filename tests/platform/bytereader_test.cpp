// Bounded reading and writing of little-endian fields.

#include "platform/bytereader.h"

#include "support/testhelpers.h"

#include <gtest/gtest.h>

TEST(ByteReader, ReadsWhatTheWriterWrote)
{
    ByteWriter w;
    w.writeByte(200);
    w.writeInt16(-2);
    w.writeInt32(-100000);
    w.writeFloat(1.5f);
    w.writeTaggedText(QStringLiteral("Öppna €"));
    w.writeTaggedText(QString());
    EXPECT_EQ(w.bytes().left(7), QByteArray("\xC8\xFE\xFF\x60\x79\xFE\xFF", 7));
    EXPECT_EQ(w.bytes().right(4), QByteArray("\x08\x00\x00\x00", 4));

    ByteReader r(w.bytes());
    EXPECT_EQ(r.readByte(), 200);
    EXPECT_EQ(r.readInt16(), -2);
    EXPECT_EQ(r.readInt32(), -100000);
    EXPECT_EQ(r.readFloat(), 1.5f);
    EXPECT_EQ(r.readTaggedText(), u"Öppna €");
    EXPECT_EQ(r.readTaggedText(), QString());
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteReader, PastTheEndIsErrorSixtyTwoAndReadsNothing)
{
    const QByteArray b("\x01\x02\x03", 3);
    ByteReader r(b);
    EXPECT_EQ(r.readInt16(), 0x0201);
    EXPECT_EQ(errorOf([&] { r.readInt16(); }), 62);
    EXPECT_EQ(r.pos(), 2);
    EXPECT_EQ(r.readByte(), 3);
    EXPECT_EQ(errorOf([&] { r.readBytes(1); }), 62);
    EXPECT_EQ(errorOf([&] { r.require(std::int64_t(1) << 40); }), 62);
}

TEST(ByteReader, UnknownTagAndNegativeCountAreInvalidFormat)
{
    const QByteArray b("\x02\x00\x00\x00", 4);
    ByteReader r(b);
    EXPECT_EQ(errorOf([&] { r.readTaggedText(); }), 321);
    EXPECT_EQ(errorOf([&] { r.require(-1); }), 321);
}
