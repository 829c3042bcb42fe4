#pragma once
// The file dialogs' list in the running language: sizes and dates in the language's locale (Qt
// writes them in the environment's), and the program's own kinds of file named as the program
// names them, where Qt would name them after whatever else shares their suffix.

#include <QIdentityProxyModel>
#include <QString>
#include <functional>

class FileListModel final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// From now on every file dialog of Qt's own, also those Qt opens itself (the printer dialog's
// "..."), lists its files through a FileListModel, its columns as wide as their texts.
void listFilesInTheLanguage();

// Names a file's kind in the type column; an empty answer leaves the desktop's name. The program
// installs its own (none installed: the desktop's names throughout).
void setFileKindNamer(std::function<QString(const QString& fileName)> namer);
QString fileKindName(const QString& fileName);
