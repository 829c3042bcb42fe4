#include "systems/systemcommands.h"

#include "shell/MDIForm1.h"
#include "systems/NyttSystemInst.h"
#include "systems/opensystem.h"

namespace systems {

void registerCommands(MDIForm1& main)
{
    main.setCommand(MainCommand::NewSystem, [] { NyttSystemInst::instance()->showDialog(); });
    main.setCommand(MainCommand::EditSystem, [] { openSystemForEditing(); });
}

}  // namespace systems
