#include "systems/opensystem.h"

#include "platform/commondialog.h"
#include "platform/controls.h"
#include "platform/filenumber.h"
#include "platform/grid.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/errorreport.h"
#include "shell/filecommands.h"
#include "shell/saveas.h"
#include "shell/systemfile.h"
#include "shell/systemgrids.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/Form2.h"
#include "systems/NyttSystemInst.h"
#include "systems/generation.h"

#include <optional>

namespace {

constexpr int kOpenFlags = 4100;
constexpr int kNoSuchControl = 340;

// The message that refuses a system before anything is built for it, none when the editor takes it:
// more guarded matches than a pool has, or more rows than the grid holds.
std::optional<MessageTextId> refusalOf(const SystemBlock& s)
{
    if (!s.fitsThirteenMatches())
        return kMsgWrongType;
    if (s.rows > kMaxSystemRows)
        return kMsgTooManyRows;
    return std::nullopt;
}

// The dialog as the editor's Load reads it: the file's counts, its base-row choice, no building.
void fillNewSystemDialog(const SystemBlock& s)
{
    // A type byte the dialog has no option for fails as selecting a missing option does.
    if (s.type != 0 && s.type != 1)
        throw VbError(kNoSuchControl, QStringLiteral("Control array element '%1' doesn't exist").arg(s.type));
    NyttSystemInst* dialog = NyttSystemInst::instance();
    dialog->Rader->setText(vb::Dec(s.rows));
    dialog->Helgard->setText(vb::Dec(s.fullGuards));
    dialog->Halvgard->setText(vb::Dec(s.guarded - s.fullGuards));
    dialog->Option1[std::size_t(s.type)]->setValue(true);
    dialog->Datorberakning->setValue(0);
    dialog->hide();
}

}  // namespace

void openSystemForEditing()
{
    MDIForm1* main = MDIForm1::instance();
    if (!main)
        return;
    const FileNumberCloser closer;
    try {
        CommonDialog& dialog = *main->CommonDialog1;
        dialog.Filter = systemFileFilter();
        dialog.Flags = kOpenFlags;
        dialog.ShowOpen();
        const QString path = dialog.FileName;
        // The first byte is not tested here: any system file the editor can lay out is taken.
        const SystemFileRead read = readSystemFile(readWholeFile(path), MagicCheck::Ignore);
        if (read.reached < SystemReadStage::Counts)
            throw *read.error;
        const SystemFileData& system = read.data;
        if (const auto refusal = refusalOf(system)) {
            MsgBox(currentMessageText(*refusal), vbmsg::Exclamation);
            return;
        }
        fillNewSystemDialog(system);

        Form2* editor = Form2::open(path, NyttSystemInst::instance()->settings());
        if (!editor)
            return;  // refused with message 33
        editor->keepFileName(path);
        fillSigns(*editor->Grid1, system);
        putGuarantee(*editor->Grid2, system);
        if (read.error)
            throw *read.error;  // the editor stays open with what was read
        if (editor->Grid2->Cols() > 2)
            editor->kommentarer->setText(editor->Grid2->TextMatrix(0, 2));
        editor->syssparat = true;
    } catch (const VbError& e) {
        reportError(e, ErrorContext::File);
    }
}
