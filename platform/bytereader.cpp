#include "platform/bytereader.h"

#include "platform/vbtext.h"

#include <bit>
#include <limits>

VbError invalidFileFormat() { return VbError(vberr::InvalidFileFormat, QStringLiteral("Invalid file format")); }

void ByteReader::require(std::int64_t n) const
{
    if (n < 0)
        throw invalidFileFormat();
    if (n > remaining())
        throw VbError(vberr::InputPastEnd);
}

std::uint64_t ByteReader::readLittleEndian(int size)
{
    require(size);
    std::uint64_t v = 0;
    for (int i = 0; i < size; ++i)
        v |= std::uint64_t(std::uint8_t(bytes_[pos_ + i])) << (8 * i);
    pos_ += size;
    return v;
}

std::uint8_t ByteReader::readByte() { return std::uint8_t(readLittleEndian(1)); }

std::int16_t ByteReader::readInt16() { return std::bit_cast<std::int16_t>(std::uint16_t(readLittleEndian(2))); }

std::uint16_t ByteReader::readUInt16() { return std::uint16_t(readLittleEndian(2)); }

std::int32_t ByteReader::readInt32() { return std::bit_cast<std::int32_t>(std::uint32_t(readLittleEndian(4))); }

float ByteReader::readFloat() { return std::bit_cast<float>(std::uint32_t(readLittleEndian(4))); }

QByteArray ByteReader::readBytes(std::int64_t n)
{
    require(n);
    QByteArray out = bytes_.sliced(pos_, qsizetype(n)).toByteArray();
    pos_ += qsizetype(n);
    return out;
}

QString ByteReader::readTaggedText()
{
    if (readUInt16() != kTextTag)
        throw invalidFileFormat();
    const std::uint16_t n = readUInt16();
    return vb::fromCp1252(readBytes(n));
}

void ByteWriter::writeLittleEndian(std::uint64_t v, int size)
{
    for (int i = 0; i < size; ++i)
        bytes_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void ByteWriter::writeInt16(std::int16_t v) { writeLittleEndian(std::bit_cast<std::uint16_t>(v), 2); }

void ByteWriter::writeInt32(std::int32_t v) { writeLittleEndian(std::bit_cast<std::uint32_t>(v), 4); }

void ByteWriter::writeFloat(float v) { writeLittleEndian(std::bit_cast<std::uint32_t>(v), 4); }

void ByteWriter::writeTaggedText(const QString& text)
{
    const QByteArray b = vb::toCp1252(text);
    if (b.size() > std::numeric_limits<std::uint16_t>::max())
        throw VbError(vberr::Overflow);
    writeLittleEndian(kTextTag, 2);
    writeLittleEndian(std::uint16_t(b.size()), 2);
    bytes_.append(b);
}
