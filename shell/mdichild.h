#pragma once
// What the main window asks of a window inside its client area: its Activate and Deactivate events
// when it gains and loses the activation, and the close prompt (the window's closeEvent may refuse).

#include <QString>

class MdiChild {
public:
    virtual ~MdiChild() = default;
    virtual void Form_Activate() { }
    virtual void Form_Deactivate() { }
};
