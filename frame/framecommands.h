#pragma once
// The main window's commands that make frames: new frame and open frame.

class MDIForm1;

namespace frame {
void registerCommands(MDIForm1& main);
}
