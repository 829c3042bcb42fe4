// Bounded reading and writing of little-endian fields.

#include "platform/bytereader.h"

#include "support/testhelpers.h"

#include <tuple>

TEST(ByteReader, ReadsWhatTheWriterWrote)
{
    ByteWriter w;
    w.writeByte(200);
    w.writeInt16(-2);
    w.writeInt32(-100000);
    w.writeFloat(1.5f);
    w.writeTaggedText(QStringLiteral("Öppna €"));
    w.writeTaggedText(QString());
    EXPECT_EQ(std::pair(w.bytes().left(7), w.bytes().right(4)),
        std::pair(QByteArray("\xC8\xFE\xFF\x60\x79\xFE\xFF", 7), QByteArray("\x08\x00\x00\x00", 4)));

    ByteReader r(w.bytes());
    // Braces: read left to right.
    EXPECT_EQ(
        (std::tuple{r.readByte(), r.readInt16(), r.readInt32(), r.readFloat(), r.readTaggedText(), r.readTaggedText()}),
        (std::tuple{200, -2, -100000, 1.5f, QStringLiteral("Öppna €"), QString()}));
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteReader, PastTheEndIsErrorSixtyTwoAndReadsNothingUnknownTagAndNegativeCount321)
{
    const QByteArray b("\x01\x02\x03", 3);
    ByteReader r(b);
    EXPECT_EQ(r.readInt16(), 0x0201);
    EXPECT_EQ(errorOf([&] { r.readInt16(); }), 62);
    EXPECT_EQ(r.pos(), 2);
    EXPECT_EQ(r.readByte(), 3);
    EXPECT_EQ(std::tuple(errorOf([&] { r.readBytes(1); }), errorOf([&] { r.require(std::int64_t(1) << 40); }),
                  errorOf([&] { r.require(-1); })),
        std::tuple(62, 62, 321));
    ByteReader tag(QByteArrayView("\x02\x00\x00\x00", 4));
    EXPECT_EQ(errorOf([&] { tag.readTaggedText(); }), 321);
}
