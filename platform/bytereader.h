#pragma once
// Bounded little-endian reading and writing of whole files held in memory, with the conventions of
// file number 1 (tagged text: tag 8, uint16 byte count, Windows-1252 bytes). Files come from users:
// every read is checked against the bytes left, and a value that runs past the end raises error 62.

#include "platform/vberror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// Error 321 with its description.
VbError invalidFileFormat();

class ByteReader {
public:
    // The bytes must outlive the reader.
    explicit ByteReader(QByteArrayView bytes) noexcept : bytes_(bytes) { }

    qsizetype pos() const noexcept { return pos_; }
    qsizetype remaining() const noexcept { return bytes_.size() - pos_; }
    bool atEnd() const noexcept { return pos_ >= bytes_.size(); }

    // Error 62 unless at least n more bytes are there; n < 0 is error 321. Check a count with this
    // before allocating for it.
    void require(std::int64_t n) const;

    std::uint8_t readByte();
    std::int16_t readInt16();
    std::uint16_t readUInt16();
    std::int32_t readInt32();
    float readFloat();
    QByteArray readBytes(std::int64_t n);
    // Tag 8 (text) only; any other tag is error 321.
    QString readTaggedText();

private:
    std::uint64_t readLittleEndian(int size);
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

class ByteWriter {
public:
    void writeByte(std::uint8_t v) { bytes_.append(static_cast<char>(v)); }
    void writeInt16(std::int16_t v);
    void writeInt32(std::int32_t v);
    void writeFloat(float v);
    void writeBytes(QByteArrayView b) { bytes_.append(b); }
    // Tag 8, uint16 byte count, Windows-1252 bytes; error 6 when the text is longer than 65535 bytes.
    void writeTaggedText(const QString& text);

    const QByteArray& bytes() const noexcept { return bytes_; }
    QByteArray take() { return std::move(bytes_); }

private:
    void writeLittleEndian(std::uint64_t v, int size);
    QByteArray bytes_;
};

// Smallest size of a tagged value on file: tag and byte count.
constexpr int kTaggedValueMinSize = 4;
constexpr std::uint16_t kTextTag = 8;
