#pragma once
// The start of the stories told through a frame window: a main window as the program makes it,
// shown, with one new frame open and active, and the scripted user standing by.

#include "support/mainwindow.h"

#include <QTest>
#include <initializer_list>

class FrameWindowTest : public MainWindowTest {
protected:
    FrameWindowTest() { size_ = {1200, 800}; }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form_ = &newFrame();
    }
    // Mathematical guards as `mark` reads `matches`.
    void mathematical(const char* matches)
    {
        form_->Option1[4]->click();
        mark(*form_, matches);
    }
    // The filter's boxes typed, as a person would (every key press counts as an edit), then its switches.
    void setFilter(
        bool on, std::initializer_list<const char*> texts = {"13", "13", "13", "0", "0", "0"}, bool equalRows = false)
    {
        int i = 0;
        for (const char* t : texts) {
            form_->filtertext[i]->clear();
            QTest::keyClicks(form_->filtertext[i++], QString::fromLatin1(t));
        }
        form_->LikaRaderCheck->setValue(equalRows ? 1 : 0);
        form_->filtercheck->setValue(on ? 1 : 0);
    }

    Form1* form_ = nullptr;
};
