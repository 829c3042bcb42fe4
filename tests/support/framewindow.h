#pragma once
// The start of the stories told through a frame window: a main window as the program makes it,
// shown, with one new frame open and active, and the scripted user standing by.

#include "support/mainwindow.h"

class FrameWindowTest : public MainWindowTest {
protected:
    FrameWindowTest() { size_ = {1200, 800}; }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form_ = &newFrame();
    }

    ScriptedUser& user_ = user;
    Form1* form_ = nullptr;
};
