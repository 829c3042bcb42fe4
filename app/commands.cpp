#include "app/commands.h"

#include "frame/framecommands.h"
#include "systems/systemcommands.h"

void registerCommands(MDIForm1& main)
{
    frame::registerCommands(main);
    systems::registerCommands(main);
}
