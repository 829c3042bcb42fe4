#pragma once
// The printer calibration dialog: edits the calibration file tips.cnf in the program folder. One
// instance, modeless, hidden between uses; the main window calls start() at every opening.

#include <QWidget>
#include <array>

class CommandButton;
class Frame;
class Label;
class OptionArray;
class Tab;
class TextBox;
class CouponSketch;

class printerinst : public QWidget {
    Q_OBJECT
public:
    static printerinst* instance();
    ~printerinst() override;

    // The main window's "Skrivar inställningar": show the dialog, then read the file into it.
    void showDialog();

    // ---- handlers ----
    void Form_Load();
    void start();
    void ok_Click();
    void avbryt_Click();
    void aterstall_Click();
    void aterstalljoker_Click();
    void Text1_Change(int Index);
    void Text2_Change(int Index);
    void Text3_Change();
    void RadKupong_Change();
    void Text1_KeyPress(int Index, int& KeyAscii);
    void Text2_KeyPress(int Index, int& KeyAscii);
    void Text3_KeyPress(int& KeyAscii);

    // ---- controls ----
    Tab* SSTab1 = nullptr;
    CouponSketch* Picture1 = nullptr;
    // The letters A..G: index 0 in the picture, index 1 beside the box.
    std::array<Label*, 2> a{};
    std::array<Label*, 2> Label1{};
    std::array<Label*, 2> c{};
    std::array<Label*, 2> d{};
    std::array<Label*, 2> e{};
    std::array<Label*, 2> f{};
    std::array<Label*, 2> g{};
    Label* Label9 = nullptr;
    std::array<TextBox*, 7> Text1{};
    std::array<Label*, 7> Label3{};
    CommandButton* aterstall = nullptr;
    OptionArray* kryssruta = nullptr;
    Frame* Frame1 = nullptr;
    std::array<TextBox*, 4> Text2{};
    std::array<Label*, 2> Label4{};
    std::array<Label*, 4> Label5{};
    Label* Label6 = nullptr;
    CommandButton* aterstalljoker = nullptr;
    Frame* Frame2 = nullptr;
    TextBox* Text3 = nullptr;
    Label* Label7 = nullptr;
    Label* Label8 = nullptr;
    TextBox* RadKupong = nullptr;
    Label* RadKupongLabel = nullptr;
    CommandButton* ok = nullptr;
    CommandButton* avbryt = nullptr;
    Label* Label2 = nullptr;

private:
    explicit printerinst(QWidget* parent);
    void buildControls();
    std::array<std::array<Label*, 2>*, 7> letters();
    bool placed_ = false;
};
