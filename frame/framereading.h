#pragma once
// The frame's two file readers: a system file into one of its slots ("Öppna"), and a whole frame
// file, rebuilt through the frame's own mode choices and cell clicks.

class CommonDialog;
class Form1;
struct FrameFileData;

namespace framereading {

// Form1.Ladda_Click: the reload warning, the file (MDIForm1.anvandsystem or the open dialog), the
// slot's numbers, grids and labels.
void loadSystemIntoSlot(Form1& form, int s);

// Form1.laddahelram_Click: versions 10 and 11; whatever a damaged file gave before it ended stays.
void readFrameIntoForm(Form1& form);

// The frame file of a frame as it stands: the slots' systems from their grids and tags, the rest
// from the editing state. Raises VbError when a tag or a count does not convert.
FrameFileData frameFileDataOf(const Form1& form);

// The frame's Save As: the save dialog, the overwrite question, the frame file; then saved and
// captioned with the file's path.
void saveFrameAs(Form1& form, CommonDialog& dialog);

}  // namespace framereading
