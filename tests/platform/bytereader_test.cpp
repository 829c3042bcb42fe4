// Bounded reading and writing of little-endian fields.

#include "platform/bytereader.h"

#include <gtest/gtest.h>

namespace {

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
    try {
        r.readInt16();
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 62);
    }
    EXPECT_EQ(r.pos(), 2);
    EXPECT_EQ(r.readByte(), 3);
    EXPECT_THROW(r.readBytes(1), VbError);
    EXPECT_THROW(r.require(std::int64_t(1) << 40), VbError);
}

TEST(ByteReader, UnknownTagAndNegativeCountAreInvalidFormat)
{
    const QByteArray b("\x02\x00\x00\x00", 4);
    ByteReader r(b);
    try {
        r.readTaggedText();
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 321);
    }
    try {
        r.require(-1);
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 321);
    }
}

}  // namespace
