#include "platform/commondialog.h"

#include "platform/paths.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"

#include <QFile>

void CommonDialog::ShowOpen() { show(false); }
void CommonDialog::ShowSave() { show(true); }

void CommonDialog::show(bool save)
{
    FileDialogRequest request;
    request.save = save;
    request.filter = Filter;
    request.filterIndex = FilterIndex;
    request.fileName = FileName;
    // The start folder and the help file are names the program builds; the chosen name is the user's.
    request.initDir = InitDir.isEmpty() ? QString() : vb::nativePath(InitDir);
    request.flags = Flags;
    request.title = DialogTitle;
    const std::optional<QString> chosen = UserInterface::current().fileDialog(request);
    if (!chosen || chosen->isEmpty())
        throw VbError(vberr::DialogCancelled);
    if (QFile::encodeName(*chosen).size() > MaxFileSize)
        throw VbError(vberr::BadFileName);
    FileName = *chosen;
    FileTitle = vb::fileTitle(*chosen);
}

void CommonDialog::ShowHelp() { UserInterface::current().showHelp(vb::nativePath(HelpFile), HelpCommand); }
