#include "platform/filelistmodel.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>

namespace {

std::function<QString(const QString&)>& kindNamer()
{
    static std::function<QString(const QString&)> namer;
    return namer;
}

// The columns of QFileSystemModel.
enum Column { Name = 0, Size = 1, Type = 2, Modified = 3 };

// Names, sizes, kinds and dates show whole, whatever the language writes: the columns take the
// width of their texts once the folder has been read.
void fitColumns(QFileDialog& dialog, const QFileSystemModel* files)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return;
    QObject::connect(files, &QFileSystemModel::directoryLoaded, view, [view] {
        for (int column = 0; column < view->header()->count(); ++column)
            view->resizeColumnToContents(column);
    });
}

// Gives a file dialog the list in the language as it is first made ready to show.
class FileDialogWatcher final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = event->type() == QEvent::Polish ? qobject_cast<QFileDialog*>(watched) : nullptr;
        if (dialog && !dialog->proxyModel()) {
            auto* list = new FileListModel(dialog);
            dialog->setProxyModel(list);
            if (const auto* files = qobject_cast<const QFileSystemModel*>(list->sourceModel()))
                fitColumns(*dialog, files);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void listFilesInTheLanguage()
{
    static FileDialogWatcher* watcher = nullptr;
    if (watcher || !qApp)
        return;
    watcher = new FileDialogWatcher(qApp);
    qApp->installEventFilter(watcher);
}

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
