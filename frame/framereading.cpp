// The frame's two file readers, Form1's "Öppna" (Ladda) and laddahelram handlers: a system file into
// one of its slots, and a whole frame file, rebuilt through the frame's own mode choices and cell
// clicks.

#include "frame/Form1.h"
#include "frame/slotloading.h"
#include "platform/commondialog.h"
#include "platform/controls.h"
#include "platform/filenumber.h"
#include "platform/grid.h"
#include "platform/paths.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/errorreport.h"
#include "shell/filecommands.h"
#include "shell/framefile.h"
#include "shell/guide.h"
#include "shell/saveas.h"
#include "shell/systemgrids.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <algorithm>

namespace {

constexpr int kOpenFlags = 4100;  // the file must exist; no read-only box

// The file named in MDIForm1.anvandsystem, which is emptied once it has been read, or the one the
// user picks in the open dialog. The dialog's FileName and FileTitle describe it afterwards.
QByteArray chooseAndRead(MDIForm1& main, const QString& filter)
{
    CommonDialog& dialog = *main.CommonDialog1;
    if (!main.anvandsystem.isEmpty()) {
        const QString path = main.anvandsystem;
        QByteArray bytes = readWholeFile(path);
        dialog.FileName = path;
        dialog.FileTitle = vb::fileTitle(path);
        main.anvandsystem.clear();
        return bytes;
    }
    dialog.Filter = filter;
    dialog.Flags = kOpenFlags;
    dialog.ShowOpen();
    return readWholeFile(dialog.FileName);
}

// One slot from a file: the sign grid first, since it is the one part that may refuse its size.
void takeSlot(frame::FrameEditing& ram, Grid& signs, int s, const SystemBlock& system)
{
    putSigns(signs, system);
    frame::takeSlotNumbers(ram, s, system);
}

// Everything of a frame file read so far, in the order the frame takes it.
void applyFrameFile(Form1& form, const FrameFileRead& read)
{
    const FrameFileData& d = read.data;
    const int slots =
        read.reached >= FrameReadStage::Slots ? frame::SlotCount : read.slotsRead + (read.slotSignsRead ? 1 : 0);
    for (int s = 0; s < slots; ++s) {
        const FrameSlot& slot = d.slotBlocks[std::size_t(s)];
        const bool named = read.reached >= FrameReadStage::Slots || s < read.slotsRead;
        form.change([&](frame::FrameEditing& ram) {
            takeSlot(ram, *form.Grid1[s], s, slot.system);
            if (named)
                frame::takeSlotName(ram, s, slot.name, slot.system.fullGuards);
        });
        putStoredGuarantee(*form.Grid3[s], slot.system);
    }
    if (read.reached < FrameReadStage::CellRecords)
        return;

    // The cells are rebuilt as a user would click them; the clicks clear the saved flag.
    for (const ReplayStep& step : replaySteps(d)) {
        switch (step.kind) {
        case ReplayStep::Kind::ChooseMode:
            form.Option1_Click(step.index);
            break;
        case ReplayStep::Kind::ClickCell:
            form.Label1_Click(step.index);
            break;
        case ReplayStep::Kind::SetPercentText:
            form.change([&step](frame::FrameEditing& ram) { ram.Label5[step.index] = step.text; });
            break;
        }
    }
    if (read.reached < FrameReadStage::RowMatrix)
        return;
    form.change([&d](frame::FrameEditing& ram) { ram.forminne = d.rowMatrix; });
    if (read.reached < FrameReadStage::FilterOn)
        return;
    form.filtercheck->setValue(d.filterOn);
    const int bounds = read.reached >= FrameReadStage::FilterBounds ? kFilterBounds : read.filterBoundsRead;
    for (int i = 0; i < bounds; ++i)
        form.filtertext[i]->setText(d.filterBounds[std::size_t(i)]);
    if (read.reached < FrameReadStage::CreatedRows)
        return;
    form.change([&d](frame::FrameEditing& ram) { ram.temptempallrad = d.createdRows; });
    if (d.version == kFrameFileVersion && read.reached >= FrameReadStage::RemoveEqualRows)
        form.LikaRaderCheck->setValue(d.removeEqualRows);
    if (read.reached < FrameReadStage::PercentOnlyRows)
        return;
    form.change([&](frame::FrameEditing& ram) {
        ram.setText2(d.percentOnlyRows);
        // After the change handlers above, which clear it.
        if (read.reached == FrameReadStage::Complete)
            ram.skapat = d.created != 0;
    });
}

// The reload warning, the file (MDIForm1.anvandsystem or the open dialog), the slot's numbers,
// grids and labels.
void loadSystemIntoSlot(Form1& form, int s)
{
    if (!form.state().slotEmpty(s)) {
        if (MsgBox(currentMessageText(kMsgReload), vbmsg::YesNo | vbmsg::Exclamation) != vbmsg::Yes)
            return;
        form.change([s](frame::FrameEditing& ram) { frame::clearSlotMatches(ram, s); });
    }
    MDIForm1* main = MDIForm1::instance();
    if (!main)
        return;
    const FileNumberCloser closer;
    try {
        guide::showPage(kGuideLoadSystem);
        const QByteArray bytes = chooseAndRead(*main, systemFileFilter());
        const SystemFileRead read = readSystemFile(bytes, MagicCheck::Require);
        if (read.reached >= SystemReadStage::Magic)
            form.change([&read](frame::FrameEditing& ram) { ram.filbyte = read.data.magic; });
        // A slot has 13 matches: a bigger system is refused before a grid is built for it.
        if (read.status == FileReadStatus::WrongType ||
            (read.reached >= SystemReadStage::Counts && !frame::fitsASlot(read.data))) {
            MsgBox(currentMessageText(kMsgWrongType), vbmsg::Exclamation);
            return;
        }
        if (read.reached >= SystemReadStage::Counts) {
            form.change([&](frame::FrameEditing& ram) {
                takeSlot(ram, *form.Grid1[s], s, read.data);
                ram.Label3[s] = main->CommonDialog1->FileTitle;
            });
            putStoredGuarantee(*form.Grid3[s], read.data);
        }
        if (read.error)
            throw *read.error;
    } catch (const VbError& e) {
        reportError(e, ErrorContext::File);
    }
}

// Versions 10 and 11; whatever a damaged file gave before it ended stays.
void readFrameIntoForm(Form1& form)
{
    MDIForm1* main = MDIForm1::instance();
    if (!main)
        return;
    const FileNumberCloser closer;
    try {
        guide::showPage(kGuideReadFrame);
        const QByteArray bytes = chooseAndRead(*main, frameFileFilter());
        const QString path = main->CommonDialog1->FileName;
        const FrameFileRead read = readFrameFile(bytes);
        if (read.reached >= FrameReadStage::Version)
            form.change([&read](frame::FrameEditing& ram) { ram.filbyte = read.data.version; });
        const auto& slots = read.data.slotBlocks;
        if (read.status == FileReadStatus::WrongType ||
            std::any_of(slots.begin(), slots.end(), [](const FrameSlot& s) { return !frame::fitsASlot(s.system); })) {
            MsgBox(currentMessageText(kMsgWrongType), vbmsg::Exclamation);
            return;
        }
        applyFrameFile(form, read);
        if (read.error)
            throw *read.error;

        form.Option1_Click(frame::Mode::System1);
        form.setWindowTitle(path);
        if (form.state().skapat) {
            if (form.state().filter.filter) {
                form.change([&read](frame::FrameEditing& ram) {
                    ram.allradram = ram.rowTotal();
                    ram.temptempallrad = read.data.rowTotal;
                });
            }
            // With skapat set this shows the stored rows in the coupon view.
            form.OK_Click();
        }
    } catch (const VbError& e) {
        reportError(e, ErrorContext::File);
    }
}

}  // namespace

void Form1::Ladda_Click(int Index) { loadSystemIntoSlot(*this, Index); }

void Form1::laddahelram_Click() { readFrameIntoForm(*this); }
