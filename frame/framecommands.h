#pragma once
// The main window's commands that make frames or act on the active one: new frame, open frame and
// the two coupon exports; and the created rows of a frame for the windows that may not include it.

#include "frame/rowmatrix.h"

class Document;
class MDIForm1;

namespace frame {
void registerCommands(MDIForm1& main);
// A copy of the frame's created rows; the document must be a frame.
RowMatrix createdRows(const Document& document);
}  // namespace frame
