#include "systems/systemcommands.h"

#include "shell/MDIForm1.h"
#include "systems/NyttSystemInst.h"
#include "systems/opensystem.h"

#include <utility>

namespace systems {

void registerCommands(MDIForm1& main, rattrad::FrameRows frameRows)
{
    main.setCommand(MainCommand::NewSystem, [] { NyttSystemInst::instance()->showDialog(); });
    main.setCommand(MainCommand::EditSystem, [] { openSystemForEditing(); });
    main.setCommand(MainCommand::Search, [frameRows = std::move(frameRows)] { rattrad::showFresh(frameRows); });
}

}  // namespace systems
