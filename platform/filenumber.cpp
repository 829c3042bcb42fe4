#include "platform/filenumber.h"

#include "platform/atomicfile.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"

#include <QDir>
#include <QFileInfo>


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
    if (path.isEmpty())
        throw VbError(vberr::BadFileName);
    const vb::FileKind kind = vb::fileKindOf(path);
    const bool reading = mode == Mode::BinaryRead || mode == Mode::BinaryReadWrite;
    if (reading && kind == vb::FileKind::Missing)
        throw VbError(vberr::FileNotFound);
    // A folder cannot be read as a file, and a pipe or device would block the program or never end.
    if (kind == vb::FileKind::Special)
        throw VbError(vberr::NotARegularFile);
    if (!reading && !QFileInfo(path).dir().exists())
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
    auto f = std::make_unique<QFile>(path);
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

void FileNumber::writeRaw(const QByteArray& bytes)
{
    requireWritable();
    if (file_->write(bytes) != bytes.size())
        throw VbError(vberr::DiskFull);
}

void FileNumber::writeBytes(const QByteArray& bytes) { writeRaw(bytes); }

