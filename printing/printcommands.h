#pragma once
// The main window's printing commands: "Skrivar Inställningar" here; the print command is
// registered where the printed document's kind is known.

class MDIForm1;

namespace printing {
void registerCommands(MDIForm1& main);
}
