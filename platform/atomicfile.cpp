#include "platform/atomicfile.h"

#include "platform/paths.h"
#include "platform/vberror.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

namespace vb {

namespace {

int errorNumberOf(const QFileDevice& f)
{
    switch (f.error()) {
    case QFileDevice::PermissionsError:
        return vberr::PermissionDenied;
    case QFileDevice::ResourceError:
        return vberr::DiskFull;
    default:
        return vberr::PathFileAccessError;
    }
}

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

    // No direct-write fallback: if no temporary file can be made beside the target, fail rather
    // than write over the old file in place.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw VbError(errorNumberOf(file));
    if (file.write(bytes) != bytes.size()) {
        const int number = errorNumberOf(file);
        file.cancelWriting();
        throw VbError(number);
    }
    if (!file.commit())
        throw VbError(errorNumberOf(file));
}

}  // namespace vb
