#include "shell/saveas.h"

#include "frame/Form1.h"
#include "frame/framereading.h"
#include "platform/atomicfile.h"
#include "platform/commondialog.h"
#include "platform/filenumber.h"
#include "platform/grid.h"
#include "platform/paths.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "shell/errorreport.h"
#include "shell/filecommands.h"
#include "shell/framefile.h"
#include "shell/guide.h"
#include "shell/systemfile.h"
#include "shell/systemgrids.h"
#include "systems/Form2.h"

namespace {

const QString kFrameFilter = QStringLiteral("Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*");
constexpr int kGuideSaveFrame = 2;
constexpr int kGuideSaveSystem = 12;
constexpr int kMsgNoGuaranteeTable = 1;
constexpr int kMsgOldGuaranteeTable = 2;
constexpr int kMsgOverwrite = 3;
constexpr int kSaveFlags = 4;  // no read-only box; the overwrite question is ours

}  // namespace

QString chooseSaveTarget(CommonDialog& dialog)
{
    dialog.Flags = kSaveFlags;
    dialog.MaxFileSize = 256;
    dialog.ShowSave();
    const QString path = dialog.FileName;
    // The old file is not deleted here: the new one takes its place only once it is complete.
    if (vb::fileExists(path) && MsgBox(messageText(kMsgOverwrite), vbmsg::YesNo | vbmsg::Exclamation) != vbmsg::Yes)
        throw SaveDeclined{};
    return path;
}

void writeThroughFileNumberOne(const QString& path, const QByteArray& bytes)
{
    // File number 1 is the one file a command may have open.
    if (FileNumber::one().isOpen())
        throw VbError(vberr::FileAlreadyOpen);
    vb::writeFileAtomically(path, bytes);
}

namespace {

void saveFrame(MDIForm1& main, Form1& frame)
{
    CommonDialog& dialog = *main.CommonDialog1;
    dialog.Filter = kFrameFilter;
    dialog.FileName = frame.windowTitle();
    guide::showPage(kGuideSaveFrame);
    const QString path = chooseSaveTarget(dialog);
    const QByteArray bytes = writeFrameFile(framereading::frameFileDataOf(frame));
    writeThroughFileNumberOne(path, bytes);
    frame.setSystemsparat(true);
    frame.setWindowTitle(path);
}

// The guarantee table's computed flag: "" never computed, "0" outdated. A No ends the save.
void askAboutGuaranteeTable(const Form2& editor)
{
    const QString flag = editor.Grid2->TextMatrix(0, 0);
    int question = 0;
    if (flag.isEmpty())
        question = kMsgNoGuaranteeTable;
    else if (flag == u"0")
        question = kMsgOldGuaranteeTable;
    if (question && MsgBox(messageText(question), vbmsg::YesNo | vbmsg::Exclamation) != vbmsg::Yes)
        throw SaveDeclined{};
}

void saveSystem(MDIForm1& main, Form2& editor)
{
    askAboutGuaranteeTable(editor);
    CommonDialog& dialog = *main.CommonDialog1;
    dialog.Filter = systemFileFilter();
    dialog.FileName = editor.windowTitle();
    guide::showPage(kGuideSaveSystem);
    const QString path = chooseSaveTarget(dialog);
    SystemFileData data;
    static_cast<SystemBlock&>(data) = systemBlockOf(*editor.Grid1, *editor.Grid2, editor.Grid1->Tag, editor.Tag);
    writeThroughFileNumberOne(path, writeSystemFile(data));
    editor.setWindowTitle(path);
    editor.syssparat = true;
}

}  // namespace

QString systemFileFilter()
{
    return QStringLiteral("Alla filer (*.*)|*.*|RM-system (*.RM)|*.RM|RU-system (*.RU)|*.RU|KU-system (*.KU)|*.KU");
}

void saveAbortPath(MDIForm1& main, const VbError* error)
{
    main.sparafel = true;
    if (error)
        reportError(*error, ErrorContext::File);
    main.sparafel = true;
    FileNumber::one().close();
}

void saveActiveDocumentAs(MDIForm1& main)
{
    try {
        QWidget* child = main.activeChild();
        if (!child)
            throw VbError(91, QStringLiteral("Object variable or With block variable not set"));
        const QString kind = QString::fromLatin1(child->metaObject()->className());
        if (kind == u"Form2")
            saveSystem(main, *static_cast<Form2*>(child));
        else if (kind == u"Form1")
            saveFrame(main, *static_cast<Form1*>(child));
    } catch (const SaveDeclined&) {
        saveAbortPath(main, nullptr);
    } catch (const VbError& e) {
        saveAbortPath(main, &e);
    }
}
