// The frame's Save As, Form1::saveAs: the save dialog, the overwrite question, the frame file; then
// saved and captioned with the file's path.

#include "frame/Form1.h"
#include "frame/slotloading.h"
#include "platform/commondialog.h"
#include "platform/grid.h"
#include "shell/framefile.h"
#include "shell/guide.h"
#include "shell/saveas.h"
#include "shell/systemgrids.h"
#include "shell/texts/textids.h"

namespace {

// The frame file of a frame as it stands: the slots' systems from their grids and tags, the rest
// from the editing state. Raises VbError when a tag or a count does not convert.
FrameFileData frameFileDataOf(const Form1& form)
{
    const frame::FrameEditing& ram = form.state();
    std::array<SystemBlock, frame::SlotCount> systems;
    for (int s = 0; s < frame::SlotCount; ++s)
        systems[std::size_t(s)] = systemBlockOf(*form.Grid1[s], *form.Grid3[s], ram.Grid1Tag[s], ram.SystemTag[s]);
    return frame::frameFileOf(ram, systems);
}

}  // namespace

void Form1::saveAs(CommonDialog& dialog)
{
    dialog.Filter = frameFileFilter();
    dialog.FileName = windowTitle();
    guide::showPage(kGuideSaveFrame);
    const QString path = chooseSaveTarget(dialog);
    writeThroughFileNumberOne(path, writeFrameFile(frameFileDataOf(*this)));
    setSystemsparat(true);
    setWindowTitle(path);
}
