#include "shell/saveas.h"

#include "platform/atomicfile.h"
#include "platform/commondialog.h"
#include "platform/filenumber.h"
#include "platform/paths.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/errorreport.h"
#include "shell/filekinds.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

namespace {

constexpr int kSaveFlags = 4;  // no read-only box; the overwrite question is ours

}  // namespace

QString chooseSaveTarget(CommonDialog& dialog)
{
    dialog.Flags = kSaveFlags;
    dialog.ShowSave();
    const QString path = dialog.FileName;
    // A folder, pipe or device is refused, and so is a read-only file, before anyone is asked.
    vb::checkedWriteTarget(path);
    // The old file is not deleted here: the new one takes its place only once it is complete.
    if (vb::fileExists(path) &&
        MsgBox(currentMessageText(kMsgOverwrite), vbmsg::YesNo | vbmsg::Exclamation) != vbmsg::Yes)
        throw SaveDeclined{};
    return path;
}

void writeThroughFileNumberOne(const QString& path, const QByteArray& bytes)
{
    if (FileNumber::one().isOpen())
        throw VbError(vberr::FileAlreadyOpen);
    vb::writeFileAtomically(path, bytes);
}

QString systemFileFilter()
{
    return QStringLiteral("Alla filer (*.*)|*.*|") + kindFilter(FileKind::RM) + u'|' + kindFilter(FileKind::RU) + u'|' +
        kindFilter(FileKind::KU);
}

void saveAbortPath(bool& sparafel, const VbError* error)
{
    sparafel = true;
    if (error)
        reportError(*error, ErrorContext::File);
    sparafel = true;
    FileNumber::one().close();
}
