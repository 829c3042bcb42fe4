#include "printing/printcommands.h"

#include "printing/printerinst.h"
#include "shell/MDIForm1.h"

namespace printing {

void registerCommands(MDIForm1& main)
{
    main.setCommand(MainCommand::PrinterSettings, [] { printerinst::instance()->showDialog(); });
}

}  // namespace printing
