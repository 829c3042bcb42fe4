#pragma once
// The replace dialog: one sign for another in the selected cells of a system's grid. One instance,
// kept between uses with the user's choices.

#include "shell/lockingdialog.h"

#include <memory>

class CommandButton;
class Frame;
class OptionArray;

class Byta : public LockingDialog {
    Q_OBJECT
public:
    // The one dialog, created and loaded on first use, not shown.
    static Byta* instance();
    ~Byta() override;

    void Form_Load();
    void Form_Activate() override;
    void ok_Click();
    void avbryt_Click() { release(); }

    // Option index = sign: 0 "1", 1 "X", 2 "2", 3 blank.
    Frame* SSFrame1 = nullptr;  // "Från"
    std::unique_ptr<OptionArray> Option1;
    Frame* SSFrame2 = nullptr;  // "Till"
    std::unique_ptr<OptionArray> Option2;
    CommandButton* ok = nullptr;
    CommandButton* avbryt = nullptr;

private:
    Byta();
};
