#pragma once
// The start of the stories told through a frame window: a main window as the program makes it,
// shown, with one new frame open and active, and the scripted user standing by.

#include "frame/Form1.h"
#include "shell/Module1.h"
#include "support/mainwindow.h"
#include "support/scripteduser.h"

#include <gtest/gtest.h>
#include <memory>

class FrameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sprakoffset = 0;
        main_ = makeMainWindow();
        main_->resize(1200, 800);
        main_->show();
        main_->NyBlankett_Click();
        processEvents();
        form_ = qobject_cast<Form1*>(main_->activeChild());
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override
    {
        // Closing must not ask to save.
        if (form_)
            form_->setSystemsparat(true);
        main_.reset();
    }

    ScriptedUser user_;
    std::unique_ptr<MDIForm1> main_;
    Form1* form_ = nullptr;
};
