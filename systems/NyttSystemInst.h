#pragma once
// The new-system dialog: guard and row counts, base row, whether and how the computer builds the
// system. One instance, kept hidden between uses; its OK hands its settings to a new system editor,
// and opening a system file fills its controls without showing it.

#include "platform/controls.h"
#include "systems/newsystemsettings.h"

#include <QWidget>
#include <array>

class CheckBox;
class CommandButton;
class Frame;
class Label;
class SpinButton;
class TextBox;

class NyttSystemInst : public QWidget {
    Q_OBJECT
public:
    // The one dialog, created (and loaded) on first use, not shown.
    static NyttSystemInst* instance();
    ~NyttSystemInst() override;

    // The main window's "Skapa nytt system": show the dialog as the user left it.
    void showDialog();

    // The state of the controls, as the editor's Load takes it.
    NewSystemSettings settings() const;
    QString systemType() const { return settings().systemType(); }

    // Outer height in twips (the caption bar included): 4125 short, 7395 with the build settings.
    int Height() const { return height_; }
    void setHeight(int twips);

    // ---- handlers ----
    void Form_Load();
    void Form_Activate();
    void CommandOK_Click();
    void CommandAvbryt_Click();
    void Datorberakning_Click();
    void Option1_Click(int Index);
    void Halvgard_KeyPress(int& KeyAscii);
    void Helgard_KeyPress(int& KeyAscii);
    void Rader_KeyPress(int& KeyAscii);
    // Validate: true keeps the focus in the box.
    bool Halvgard_Validate();
    bool Helgard_Validate();
    bool Rader_Validate();
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void SpinButton2_SpinUp();
    void SpinButton2_SpinDown();
    void SpinButton3_SpinUp();
    void SpinButton3_SpinDown();

    // ---- controls ----
    Label* AntalHalvgard = nullptr;
    Label* AntalHelgard = nullptr;
    Label* AntalRader = nullptr;
    TextBox* Halvgard = nullptr;
    TextBox* Helgard = nullptr;
    TextBox* Rader = nullptr;
    SpinButton* SpinButton1 = nullptr;
    SpinButton* SpinButton2 = nullptr;
    SpinButton* SpinButton3 = nullptr;
    Frame* Frame1 = nullptr;
    OptionArray Option1;
    CheckBox* Datorberakning = nullptr;
    Frame* Frame2 = nullptr;
    OptionArray feloption;
    Frame* Frame3 = nullptr;
    Label* Label1 = nullptr;
    std::array<CheckBox*, 14> Check1{};
    CommandButton* CommandOK = nullptr;
    CommandButton* CommandAvbryt = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NyttSystemInst(QWidget* parent);
    void buildControls();
    void focusChanged(QWidget* old, QWidget* now);
    // The validate handler of a number box, nullptr for other controls.
    bool validateLeaving(QWidget* box);
    // After Enter in Helgard: Rader, or OK while Rader is disabled.
    QWidget* afterHelgard() const;

    int height_ = 0;
    bool restoringFocus_ = false;
    bool placed_ = false;
};
