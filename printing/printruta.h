#pragma once
// The print dialog: which coupons, how the coupon is fed, the jokers, and the printer. One instance,
// hidden between prints so the choices stay; closing it through its title bar unloads it.

#include "printing/printroutine.h"
#include "shell/lockingdialog.h"

#include <array>
#include <functional>

class CheckBox;
class CommandButton;
class Frame;
class Label;
class OptionArray;
class TextBox;

class printruta : public LockingDialog {
    Q_OBJECT
public:
    // The one dialog, created and loaded on first use; exists() tells whether it is loaded now.
    static printruta* instance();
    static bool exists();
    ~printruta() override;

    // What "Skriv ut" carries out once the dialog is hidden: the print of the active document.
    using PrintAction = std::function<void()>;
    // The main window's print command for the document of that name (the printer set-up proposes
    // its PDF file after it). The action replaces the one of an earlier showing.
    void showDialog(const QString& documentName, PrintAction print);
    using LockingDialog::showDialog;
    PrintChoices choices() const;
    // The loaded dialog's choices, the starting values when it is not loaded.
    static PrintChoices currentChoices();

    // ---- handlers ----
    void Form_Load();
    void Form_Activate() override;
    void skrivare_Click();
    void ok_Click();
    void avbryt_Click();
    void Form_Unload() override;
    void Form_Terminate();

    // ---- controls ----
    Frame* Frame2 = nullptr;
    OptionArray* skrivoption = nullptr;
    TextBox* fran = nullptr;
    Label* Label1 = nullptr;
    TextBox* till = nullptr;
    Frame* Frame3 = nullptr;
    OptionArray* orient = nullptr;
    Frame* Frame1 = nullptr;
    std::array<CheckBox*, 2> joker{};
    CommandButton* skrivare = nullptr;
    CommandButton* ok = nullptr;
    CommandButton* avbryt = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    printruta();
    void buildControls();
    PrintAction print_;
};
