#include "platform/filenumber.h"

#include "platform/paths.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstring>
#include <type_traits>

namespace {

template <typename T>
T fromLittleEndian(const std::array<unsigned char, sizeof(T)>& b)
{
    std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::uint32_t, T>> u = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        u = static_cast<decltype(u)>((u << 8) | b[i]);
    T v;
    std::memcpy(&v, &u, sizeof v);
    return v;
}

template <typename T>
QByteArray toLittleEndian(T v)
{
    std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::uint32_t, T>> u;
    static_assert(sizeof u == sizeof v);
    std::memcpy(&u, &v, sizeof v);
    QByteArray out(sizeof v, Qt::Uninitialized);
    for (std::size_t i = 0; i < sizeof v; ++i)
        out[static_cast<qsizetype>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
    return out;
}

}  // namespace

FileNumber& FileNumber::one()
{
    static FileNumber instance;
    return instance;
}

FileNumber::~FileNumber() { close(); }

void FileNumber::open(const QString& path, Mode mode)
{
    if (file_)
        throw VbError(vberr::FileAlreadyOpen);
    const QString p = vb::nativePath(path);
    if (p.isEmpty())
        throw VbError(vberr::BadFileName);
    const QFileInfo info(p);
    const bool reading = mode == Mode::BinaryRead || mode == Mode::BinaryReadWrite;
    if (reading && !info.exists())
        throw VbError(vberr::FileNotFound);
    if (info.isDir())
        throw VbError(vberr::PathFileAccessError);
    // A pipe or device would block the program or never end.
    if (info.exists() && !info.isFile())
        throw VbError(vberr::NotARegularFile);
    if (!reading && !info.dir().exists())
        throw VbError(vberr::PathNotFound);

    QIODevice::OpenMode qmode;
    switch (mode) {
    case Mode::BinaryRead:
        qmode = QIODevice::ReadOnly;
        break;
    case Mode::BinaryReadWrite:
        qmode = QIODevice::ReadWrite;
        break;
    case Mode::BinaryWrite:
        qmode = QIODevice::ReadWrite;
        break;
    case Mode::TextOutput:
        qmode = QIODevice::WriteOnly | QIODevice::Truncate;
        break;
    }
    auto f = std::make_unique<QFile>(p);
    if (!f->open(qmode))
        throw VbError(
            f->error() == QFileDevice::PermissionsError ? vberr::PermissionDenied : vberr::PathFileAccessError);
    file_ = std::move(f);
    mode_ = mode;
}

void FileNumber::close() noexcept
{
    if (!file_)
        return;
    file_->close();
    file_.reset();
}

void FileNumber::flush()
{
    requireOpen();
    if (!file_->flush() || file_->error() == QFileDevice::WriteError || file_->error() == QFileDevice::ResourceError)
        throw VbError(vberr::DiskFull);
}

bool FileNumber::isOpen() const noexcept { return file_ != nullptr; }

void FileNumber::requireOpen() const
{
    if (!file_)
        throw VbError(vberr::BadFileName);
}

void FileNumber::requireReadable() const
{
    requireOpen();
    if (mode_ == Mode::TextOutput)
        throw VbError(vberr::BadFileMode);
}

void FileNumber::requireWritable() const
{
    requireOpen();
    if (mode_ == Mode::BinaryRead)
        throw VbError(vberr::BadFileMode);
}

std::int64_t FileNumber::pos() const
{
    requireOpen();
    return file_->pos();
}

void FileNumber::seek(std::int64_t pos)
{
    requireOpen();
    if (pos < 0)
        throw VbError(vberr::InvalidCall);
    if (!file_->seek(pos))
        throw VbError(vberr::PathFileAccessError);
}

std::int64_t FileNumber::size() const
{
    requireOpen();
    return file_->size();
}

bool FileNumber::eof() const
{
    requireOpen();
    return file_->pos() >= file_->size();
}

void FileNumber::readExactly(char* into, std::int64_t n)
{
    requireReadable();
    if (n < 0)
        throw VbError(vberr::InvalidCall);
    // Counts come from users' files: check what is left before taking any memory for it.
    if (n > file_->size() - file_->pos())
        throw VbError(vberr::InputPastEnd);
    if (n > 0 && file_->read(into, n) != n)
        throw VbError(vberr::InputPastEnd);
}

std::uint8_t FileNumber::readByte()
{
    char c = 0;
    readExactly(&c, 1);
    return static_cast<std::uint8_t>(c);
}

std::int16_t FileNumber::readInt16()
{
    std::array<unsigned char, 2> b{};
    readExactly(reinterpret_cast<char*>(b.data()), 2);
    return fromLittleEndian<std::int16_t>(b);
}

std::uint16_t FileNumber::readUInt16()
{
    std::array<unsigned char, 2> b{};
    readExactly(reinterpret_cast<char*>(b.data()), 2);
    return fromLittleEndian<std::uint16_t>(b);
}

std::int32_t FileNumber::readInt32()
{
    std::array<unsigned char, 4> b{};
    readExactly(reinterpret_cast<char*>(b.data()), 4);
    return fromLittleEndian<std::int32_t>(b);
}

float FileNumber::readFloat()
{
    std::array<unsigned char, 4> b{};
    readExactly(reinterpret_cast<char*>(b.data()), 4);
    return fromLittleEndian<float>(b);
}

QByteArray FileNumber::readBytes(std::int64_t n)
{
    requireReadable();
    if (n < 0)
        throw VbError(vberr::InvalidCall);
    if (n > file_->size() - file_->pos())
        throw VbError(vberr::InputPastEnd);
    QByteArray out(static_cast<qsizetype>(n), Qt::Uninitialized);
    readExactly(out.data(), n);
    return out;
}

QString FileNumber::readTaggedText()
{
    if (readInt16() != 8)
        throw VbError(vberr::TypeMismatch);
    const std::uint16_t n = readUInt16();
    return vb::fromCp1252(readBytes(n));
}

void FileNumber::writeRaw(const QByteArray& bytes)
{
    requireWritable();
    if (file_->write(bytes) != bytes.size())
        throw VbError(vberr::DiskFull);
}

void FileNumber::writeByte(std::uint8_t v) { writeRaw(QByteArray(1, static_cast<char>(v))); }

void FileNumber::writeInt16(std::int16_t v) { writeRaw(toLittleEndian(v)); }

void FileNumber::writeInt32(std::int32_t v) { writeRaw(toLittleEndian(v)); }

void FileNumber::writeFloat(float v) { writeRaw(toLittleEndian(v)); }

void FileNumber::writeBytes(const QByteArray& bytes) { writeRaw(bytes); }

void FileNumber::writeTaggedText(const QString& text)
{
    const QByteArray bytes = vb::toCp1252(text);
    // The count is 16 bits: a longer text would write a record that reads back wrong.
    if (bytes.size() > 0xFFFF)
        throw VbError(vberr::Overflow);
    QByteArray record = toLittleEndian(std::int16_t{8});
    record += toLittleEndian(static_cast<std::uint16_t>(bytes.size()));
    record += bytes;
    writeRaw(record);
}

void FileNumber::printLine(const QString& line)
{
    requireOpen();
    if (mode_ != Mode::TextOutput)
        throw VbError(vberr::BadFileMode);
    writeRaw(vb::toCp1252(line) + QByteArrayLiteral("\r\n"));
}
