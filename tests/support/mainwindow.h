#pragma once
// A main window as the program makes it: every command registered.

#include "app/commands.h"
#include "frame/Form1.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "support/scripteduser.h"
#include "systems/Form2.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>
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

// A test with the main window shown, in Swedish, and a scripted user that must have used every
// answer it was given by the end.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sprakoffset = 0;
        main_ = makeMainWindow();
        main_->resize(1100, 760);
        main_->show();
        processEvents();
    }
    void TearDown() override
    {
        markDocumentsSaved(*main_);
        main_.reset();
        processEvents();
        EXPECT_EQ(user.unusedAnswers(), 0u);
        sprakoffset = 0;
    }

    ScriptedUser user;
    std::unique_ptr<MDIForm1> main_;
};
