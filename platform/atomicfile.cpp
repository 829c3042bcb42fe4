#include "platform/atomicfile.h"

#include "platform/vberror.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
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
// The temporary file's name: short whatever the target's, so that a name of up to the file system's
// 255 bytes can still be saved.
constexpr char kTemporaryPrefix[] = ".velkorin-";

const FileSystemSeam* installedSeam = nullptr;

// stat(), as the installed seam has it; false when path names nothing it can see.
bool statOf(const QByteArray& path, struct stat& st)
{
    if (::stat(path.constData(), &st) != 0)
        return false;
    struct stat device { };
    if (installedSeam && !installedSeam->seenAsDevice.isEmpty() &&
        ::stat(QFile::encodeName(installedSeam->seenAsDevice).constData(), &device) == 0 &&
        device.st_dev == st.st_dev && device.st_ino == st.st_ino)
        st.st_mode = S_IFCHR | (st.st_mode & 07777);
    return true;
}

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

QByteArray nameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

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
    if (path.isEmpty())
        throw VbError(vberr::BadFileName);
    const QByteArray target = followLinks(QFile::encodeName(path));
    struct stat st { };
    if (!statOf(target, st)) {
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
    // Should a pipe or device take the checked file's place before it is opened, it is refused here.
    void requireRegularFile() const
    {
        struct stat st { };
        if (::fstat(fd_, &st) != 0)
            raiseFromErrno();
        if (!S_ISREG(st.st_mode))
            throw VbError(vberr::NotARegularFile);
    }

    // Writes all of the n bytes at p to offset.
    void writeAt(const char* p, std::size_t n, off_t offset)
    {
        while (n > 0) {
            const ssize_t written = ::pwrite(fd_, p, n, offset);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                raiseFromErrno();
            p += written;
            offset += written;
            n -= static_cast<std::size_t>(written);
        }
    }
    void writeAt(const QByteArray& bytes, off_t offset)
    {
        writeAt(bytes.constData(), static_cast<std::size_t>(bytes.size()), offset);
    }
    // Makes sure the bytes reach the disk; closing is checked too.
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

// The temporary file beside the target; removed unless it has replaced the target. It is made and
// renamed inside the target's folder, so its own name alone has to fit the file system.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray& target)
        : folder_(::open(folderOf(target).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)), target_(target)
    {
        if (folder_.get() < 0)
            raiseFromErrno();
        for (int attempt = 0; file_.get() < 0; ++attempt) {
            name_ = kTemporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
            // 0666 lets the umask decide, as for any new file.
            file_ = Descriptor(
                ::openat(folder_.get(), name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (file_.get() < 0 && (errno != EEXIST || attempt > 100))
                raiseFromErrno();
        }
    }
    ~TemporaryFile()
    {
        if (!renamed_)
            ::unlinkat(folder_.get(), name_.constData(), 0);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // A replaced file keeps its owner and group where the process may give them (the group alone
    // when only that may be set), then its permissions: a change of owner clears the set-id bits.
    void takeAttributesOfTarget()
    {
        struct stat st { };
        if (::stat(target_.constData(), &st) != 0)
            return;
        if (::fchown(file_.get(), st.st_uid, st.st_gid) != 0)
            (void)::fchown(file_.get(), static_cast<uid_t>(-1), st.st_gid);
        if (::fchmod(file_.get(), st.st_mode & 07777) != 0)
            raiseFromErrno();
    }
    void write(const QByteArray& bytes) { file_.writeAt(bytes, 0); }
    // Puts the target's own bytes from offset `from` on at offset `at`, a buffer at a time.
    void copyTargetFrom(std::int64_t from, off_t at)
    {
        Descriptor old(::open(target_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (old.get() < 0) {
            if (errno == ENOENT)
                return;
            raiseFromErrno();
        }
        old.requireRegularFile();
        std::array<char, 1 << 16> buffer{};
        for (off_t offset = from;;) {
            const ssize_t n = ::pread(old.get(), buffer.data(), buffer.size(), offset);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                raiseFromErrno();
            if (n == 0)
                return;
            file_.writeAt(buffer.data(), static_cast<std::size_t>(n), at);
            offset += n;
            at += n;
        }
    }
    // The disk may report it is full only when the data reach it: sync and close are checked too.
    void finishAndReplace()
    {
        file_.syncAndClose();
        if (installedSeam && installedSeam->beforeReplace)
            installedSeam->beforeReplace();
        if (::renameat(folder_.get(), name_.constData(), folder_.get(), nameOf(target_).constData()) != 0)
            raiseFromErrno();
        renamed_ = true;
    }

private:
    Descriptor folder_;
    QByteArray target_;
    QByteArray name_;
    Descriptor file_{-1};
    bool renamed_ = false;
};

// The new file in the target's place: bytes, then the old file's own from keepFrom on (none when
// keepFrom is negative).
void replace(const QString& path, const QByteArray& bytes, std::int64_t keepFrom)
{
    const QByteArray target = targetBytes(path);
    // Never written in place: if no temporary file can be made beside the target, the save fails.
    TemporaryFile file(target);
    file.takeAttributesOfTarget();
    file.write(bytes);
    if (keepFrom >= 0)
        file.copyTargetFrom(keepFrom, static_cast<off_t>(bytes.size()));
    file.finishAndReplace();
}

}  // namespace

FileKind fileKindOf(const QString& path)
{
    struct stat st { };
    if (path.isEmpty() || !statOf(QFile::encodeName(path), st))
        return FileKind::Missing;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Special;
}

QString checkedWriteTarget(const QString& path) { return QFile::decodeName(targetBytes(path)); }

void writeFileAtomically(const QString& path, const QByteArray& bytes) { replace(path, bytes, -1); }

void replaceFileStart(const QString& path, const QByteArray& bytes, std::int64_t keepFrom)
{
    replace(path, bytes, std::max<std::int64_t>(keepFrom, 0));
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
    file.requireRegularFile();
    file.writeAt(bytes, 0);
    file.syncAndClose();
}

void installFileSystemSeam(const FileSystemSeam* seam) { installedSeam = seam; }

}  // namespace vb
