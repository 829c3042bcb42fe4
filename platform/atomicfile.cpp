#include "platform/atomicfile.h"

#include "platform/paths.h"
#include "platform/vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {

namespace {

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

// The temporary file beside the target; removed unless it has replaced the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& target)
    {
        const QFileInfo info(target);
        for (int attempt = 0; fd_ < 0; ++attempt) {
            name_ = QFile::encodeName(
                info.dir().filePath(QStringLiteral(".%1.%2")
                                        .arg(info.fileName())
                                        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
            // 0666 lets the umask decide, as for any new file.
            fd_ = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && (errno != EEXIST || attempt > 100))
                raiseFromErrno();
        }
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const QByteArray& bytes)
    {
        const char* p = bytes.constData();
        std::size_t left = static_cast<std::size_t>(bytes.size());
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                raiseFromErrno();
            p += n;
            left -= static_cast<std::size_t>(n);
        }
    }

    // A replaced file keeps its permissions.
    void takePermissionsOf(const QByteArray& target)
    {
        struct stat st { };
        if (::stat(target.constData(), &st) == 0 && ::fchmod(fd_, st.st_mode & 07777) != 0)
            raiseFromErrno();
    }

    // The disk may report it is full only when the data reach it: sync and close are checked too.
    void finishAndReplace(const QByteArray& target)
    {
        if (::fsync(fd_) != 0)
            raiseFromErrno();
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            raiseFromErrno();
        if (::rename(name_.constData(), target.constData()) != 0)
            raiseFromErrno();
        renamed_ = true;
    }

private:
    QByteArray name_;
    int fd_ = -1;
    bool renamed_ = false;
};

}  // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString target = nativePath(path);
    if (target.isEmpty())
        throw VbError(vberr::BadFileName);
    const QFileInfo info(target);
    if (!info.dir().exists())
        throw VbError(vberr::PathNotFound);
    if (info.isDir())
        throw VbError(vberr::PathFileAccessError);

    // Never written in place: if no temporary file can be made beside the target, the save fails.
    TemporaryFile file(target);
    const QByteArray targetName = QFile::encodeName(target);
    file.takePermissionsOf(targetName);
    file.write(bytes);
    file.finishAndReplace(targetName);
}

}  // namespace vb
