#pragma once
// The main window's commands that make system editors: new system and "Editera system".

class MDIForm1;

namespace systems {
void registerCommands(MDIForm1& main);
}
