#pragma once
// The main window's commands that make system editors, new system and "Editera system", and the
// correct-row search over the active frame or system.

#include "systems/rattrad.h"

class MDIForm1;

namespace systems {
// frameRows gives the search a frame's created rows.
void registerCommands(MDIForm1& main, rattrad::FrameRows frameRows);
}  // namespace systems
