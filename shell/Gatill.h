#pragma once
// The go-to dialog: the number of a coupon in a frame's coupon view or of a row in a system. One
// instance, kept between uses with its number in the box, which the frame's navigation reads.

#include "shell/lockingdialog.h"

class CommandButton;
class Label;
class TextBox;

class Gatill : public LockingDialog {
    Q_OBJECT
public:
    // The one dialog, created and loaded on first use, not shown.
    static Gatill* instance();
    // The text of Text1; empty while the dialog was never made.
    static QString number();

    void Form_Load();
    void Form_Activate() override;
    void ok_Click();
    void avbryt_Click() { release(); }
    void Text1_KeyPress(int& KeyAscii);

    Label* Label1 = nullptr;
    TextBox* Text1 = nullptr;
    CommandButton* ok = nullptr;
    CommandButton* avbryt = nullptr;

private:
    Gatill();
    void setPrompt();
};
