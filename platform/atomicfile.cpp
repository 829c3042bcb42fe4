#include "platform/atomicfile.h"

#include "platform/paths.h"
#include "platform/vberror.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vb {

namespace {

constexpr int kMaxLinks = 40;

int errorNumberOfErrno(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return vberr::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return vberr::PermissionDenied;
    case EMFILE:
    case ENFILE:
        return vberr::TooManyFiles;
    default:
        return vberr::PathFileAccessError;
    }
}

[[noreturn]] void raiseFromErrno() { throw VbError(errorNumberOfErrno(errno)); }

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Follows path while it is a symbolic link; a relative link is taken from the link's own folder.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::array<char, PATH_MAX> buffer{};
        const ssize_t n = ::readlink(path.constData(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINVAL || errno == ENOENT)
                return path;  // no link, or nothing there yet
            raiseFromErrno();
        }
        if (static_cast<std::size_t>(n) >= buffer.size())
            throw VbError(vberr::PathFileAccessError);
        const QByteArray target(buffer.data(), n);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    throw VbError(vberr::PathFileAccessError);  // a loop of links
}

// Root may write any file, so access() says yes to it; the mode bits say what the owner meant.
bool isReadOnly(const struct stat& st, const QByteArray& path)
{
    if (::geteuid() == 0)
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return ::access(path.constData(), W_OK) != 0;
}

// The checked target as bytes for the system calls.
QByteArray targetBytes(const QString& path)
{
    const QString native = nativePath(path);
    if (native.isEmpty())
        throw VbError(vberr::BadFileName);
    const QByteArray target = followLinks(QFile::encodeName(native));
    struct stat st { };
    if (::stat(target.constData(), &st) != 0) {
        if (errno != ENOENT)
            raiseFromErrno();
        struct stat folder { };
        if (::stat(folderOf(target).constData(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            throw VbError(vberr::PathNotFound);
        return target;
    }
    if (!S_ISREG(st.st_mode))
        throw VbError(vberr::NotARegularFile);
    if (isReadOnly(st, target))
        throw VbError(vberr::PermissionDenied);
    return target;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        if (this != &other) {
            if (fd_ >= 0)
                ::close(fd_);
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    int get() const { return fd_; }

    // Writes all of bytes at offset, then makes sure they reach the disk; closing is checked too.
    void writeAt(const QByteArray& bytes, off_t offset)
    {
        const char* p = bytes.constData();
        std::size_t left = static_cast<std::size_t>(bytes.size());
        while (left > 0) {
            const ssize_t n = ::pwrite(fd_, p, left, offset);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                raiseFromErrno();
            p += n;
            offset += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    void syncAndClose()
    {
        if (::fsync(fd_) != 0)
            raiseFromErrno();
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            raiseFromErrno();
    }

private:
    int fd_;
};

// The temporary file beside the target; removed unless it has replaced the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray& target)
    {
        const QByteArray base = folderOf(target) + "/." + target.mid(target.lastIndexOf('/') + 1) + '.';
        for (int attempt = 0; file_.get() < 0; ++attempt) {
            name_ = base + QByteArray::number(QRandomGenerator::global()->generate(), 16);
            // 0666 lets the umask decide, as for any new file.
            file_ = Descriptor(::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (file_.get() < 0 && (errno != EEXIST || attempt > 100))
                raiseFromErrno();
        }
    }
    ~TemporaryFile()
    {
        if (!renamed_)
            ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // A replaced file keeps its permissions.
    void takePermissionsOf(const QByteArray& target)
    {
        struct stat st { };
        if (::stat(target.constData(), &st) == 0 && ::fchmod(file_.get(), st.st_mode & 07777) != 0)
            raiseFromErrno();
    }
    void write(const QByteArray& bytes) { file_.writeAt(bytes, 0); }
    // The disk may report it is full only when the data reach it: sync and close are checked too.
    void finishAndReplace(const QByteArray& target)
    {
        file_.syncAndClose();
        if (::rename(name_.constData(), target.constData()) != 0)
            raiseFromErrno();
        renamed_ = true;
    }

private:
    QByteArray name_;
    Descriptor file_{-1};
    bool renamed_ = false;
};

}  // namespace

QString checkedWriteTarget(const QString& path) { return QFile::decodeName(targetBytes(path)); }

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = targetBytes(path);
    // Never written in place: if no temporary file can be made beside the target, the save fails.
    TemporaryFile file(target);
    file.takePermissionsOf(target);
    file.write(bytes);
    file.finishAndReplace(target);
}

void writeFileInPlace(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = targetBytes(path);
    // Not blocking: should a pipe take the file's place after the check, the open does not wait.
    Descriptor file(::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 && errno == ENOENT)
        file = Descriptor(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0)
        raiseFromErrno();
    struct stat st { };
    if (::fstat(file.get(), &st) != 0)
        raiseFromErrno();
    if (!S_ISREG(st.st_mode))
        throw VbError(vberr::NotARegularFile);
    file.writeAt(bytes, 0);
    file.syncAndClose();
}

}  // namespace vb
