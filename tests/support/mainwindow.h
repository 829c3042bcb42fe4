#pragma once
// A main window as the program makes it: every command registered.

#include "app/commands.h"
#include "shell/MDIForm1.h"

#include <memory>

inline std::unique_ptr<MDIForm1> makeMainWindow()
{
    auto main = std::make_unique<MDIForm1>();
    registerCommands(*main);
    return main;
}
