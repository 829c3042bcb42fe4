#include "platform/filelistmodel.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

std::function<QString(const QString&)>& kindNamer()
{
    static std::function<QString(const QString&)> namer;
    return namer;
}

// The columns of QFileSystemModel.
enum Column { Name = 0, Size = 1, Type = 2, Modified = 3 };

}  // namespace

void setFileKindNamer(std::function<QString(const QString& fileName)> namer) { kindNamer() = std::move(namer); }

QString fileKindName(const QString& fileName) { return kindNamer() ? kindNamer()(fileName) : QString(); }

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QModelIndex first = source.siblingAtColumn(Name);
    switch (index.column()) {
    case Size:
        if (!files->isDir(first))
            return QLocale().formattedDataSize(files->size(first));
        break;
    case Type:
        if (!files->isDir(first)) {
            const QString kind = fileKindName(files->fileName(first));
            if (!kind.isEmpty())
                return kind;
        }
        break;
    case Modified:
        return QLocale().toString(files->lastModified(first), QLocale::ShortFormat);
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}
