#pragma once
// The new-system dialog: guard and row counts, base row, whether and how the computer builds the
// system. One instance, kept hidden between uses; the system editor's Load reads its controls, and
// opening a system file fills them without showing it.

#include "platform/controls.h"

#include <QWidget>
#include <array>

class CheckBox;
class CommandButton;
class Frame;
class Label;
class SpinButton;
class TextBox;

// What the editor's Load reads of the dialog, numbers as the boxes' leading numbers.
struct NewSystemSettings {
    double halvgard = 0;
    double helgard = 0;
    double rader = 0;
    int urad = 0;  // Option1: 0 without, 1 with base row
    int fel = 1;  // feloption: 0 = 13, 1 = 12, 2 = 11 right
    bool datorberakning = false;  // the computer builds the rows
    std::array<bool, 14> allowed{};  // Check1(e) checked
};

class NyttSystemInst : public QWidget {
    Q_OBJECT
public:
    // The one dialog, created (and loaded) on first use, not shown.
    static NyttSystemInst* instance();
    ~NyttSystemInst() override;

    // The main window's "Skapa nytt system": show the dialog as the user left it.
    void showDialog();

    NewSystemSettings settings() const;
    // "RM" without base row, else "KU" for 13 right and "RU" for a reduction.
    QString systemType() const;

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
    void mouseMoveEvent(QMouseEvent* event) override;
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
