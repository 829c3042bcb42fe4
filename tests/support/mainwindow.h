#pragma once
// A main window as the program makes it: every command registered.

#include "app/commands.h"
#include "frame/Form1.h"
#include "shell/MDIForm1.h"
#include "systems/Form2.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

inline std::unique_ptr<MDIForm1> makeMainWindow()
{
    auto main = std::make_unique<MDIForm1>();
    registerCommands(*main);
    return main;
}

// Every document counts as saved, so closing the main window asks nothing.
inline void markDocumentsSaved(MDIForm1& main)
{
    for (QMdiSubWindow* sub : main.mdiArea()->subWindowList()) {
        if (auto* f = qobject_cast<Form1*>(sub->widget()))
            f->setSystemsparat(true);
        if (auto* e = qobject_cast<Form2*>(sub->widget()))
            e->syssparat = true;
    }
}
