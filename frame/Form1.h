#pragma once
// A frame document: one window per system frame inside the main window. It owns the frame's
// editing state (FrameEditing), shows it in its controls and hands their events to it.

#include "frame/frameediting.h"
#include "frame/rowcreation.h"
#include "frame/skapa.h"
#include "platform/controls.h"
#include "shell/document.h"

#include <QWidget>
#include <array>
#include <chrono>
#include <functional>

class CheckBox;
class CommandButton;
class Frame;
class Grid;
class Label;
class SpinButton;
class TextBox;

class Form1 : public QWidget, public Document {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // "ladda" while the frame must read a frame file on its next activation.
    QString Tag;

    // The frame's member data and the state of its editing controls, read-only. Code outside the
    // editing handlers changes it only through change(), which shows the result.
    const frame::FrameEditing& state() const { return ram; }
    template <class F>
    void change(F&& edit)
    {
        edit(ram);
        render();
    }

    // ---- public members other windows call by name ----
    bool systemsparat() const { return ram.systemsparat; }
    void setSystemsparat(bool saved) { ram.systemsparat = saved; }
    void Command1_Click(int Index);  // coupon navigation (coupon view)
    // The same with the go-to dialog's text, read for Index 5.
    void Command1_Click(int Index, const QString& gatillText);
    void OK_Click();  // "Skapa": create the rows
    // Prints created rows: rows 0 .. Val(allrad) - 1 of forminne. The printing library supplies it.
    using RowPrinter = std::function<void(const RowMatrix& forminne, const QString& allrad, const QString& caption)>;
    void utskrift_Click(const RowPrinter& print);  // print the created rows (called by the print dialog)
    RowMatrix forminnecopy() const { return ram.forminne; }
    std::array<frame::MatchType, 14> systypcopy() const { return ram.systyp; }
    bool copyskapat() const { return ram.skapat; }
    std::int32_t copytemptempallrad() const { return ram.temptempallrad; }

    // ---- as a document of the main window ----
    DocumentKind kind() const override { return DocumentKind::Frame; }
    QString className() const override { return QStringLiteral("Form1"); }
    QString caption() const override { return windowTitle(); }
    bool isSaved() const override { return ram.systemsparat; }
    void saveAs(CommonDialog& dialog) override;  // frame/framesaving.cpp
    QString closeQuestion() const override;
    MainItems enabledItems() const override;
    QString saveAsCaption() const override;
    void goToCoupon(const QString& number) override { Command1_Click(5, number); }

    // ---- handlers ----
    void Label1_Click(int Index);
    void Option1_Click(int Index);
    void Option1_Click(frame::Mode m) { Option1_Click(frame::modeIndex(m)); }
    // The two file readers, in frame/framereading.cpp.
    void Ladda_Click(int Index);  // load a system file into slot Index
    void laddahelram_Click();  // read a frame file into this frame
    void visagaranti_Click(int Index);  // the guarantee table of slot Index
    void SpinButton1_SpinUp(int Index);
    void SpinButton1_SpinDown(int Index);
    void Text2_Change();
    void Text2_KeyPress(int& KeyAscii);
    void AvbrytBe_Click() { ram.avbrytskapa = true; }
    void filtercheck_Click();
    void LikaRaderCheck_Click();
    void filtertext_KeyPress(int Index, int& KeyAscii);
    void Visaram_Click();  // "Ändra ram": back to editing
    void Label4_DblClick();  // opens the go-to dialog
    void ramgaranti_Click();  // the frame guarantee of the created rows
    // What "Ram garanti" runs. Its window shares the progress window outside this library, so the
    // program hands it in; unset, the button does nothing.
    static std::function<void(const Form1&)> frameGuarantee;
    void Form_Activate() override;

    // Per match, recorded by "Skapa" for the frame guarantee: cells showing their own sign, and
    // whether "1" is one of them.
    std::array<std::uint8_t, 14> antalmarkerade{};
    std::array<std::uint8_t, 14> ettamarkerad{};

    // What "Skapa" may allocate, and how often it lets events run (tests make these small).
    rowcreation::MemoryLimits memoryLimits = rowcreation::MemoryLimits::forThisMachine();
    std::chrono::milliseconds skapaYieldInterval{15};
    // The draws of the percent matches (tests script theirs).
    rowcreation::UniformSource* rowRandom = &rowcreation::programRandom();

    // ---- controls ----
    std::array<Label*, frame::CellCount> Label1{};
    std::array<Label*, frame::MatchCount> Label5{};
    std::array<Label*, 3> Label2{};  // "1", "X", "2" over the sign cells
    std::array<Label*, 3> Label6{};  // "1", "X", "2" beside the percent boxes
    Label* Label9 = nullptr;  // "Ram"
    Label* Labeltotal = nullptr;
    Label* Allrad = nullptr;

    Frame* systempanel = nullptr;
    OptionArray Option1;
    std::array<Frame*, frame::ModeCount> System{};
    std::array<Label*, 3> Label3{};
    std::array<CommandButton*, 3> Ladda{};
    std::array<CommandButton*, 3> visagaranti{};
    std::array<Label*, 3> LabelRader{};
    std::array<Label*, 3> LabelHalv{};
    std::array<Label*, 3> LabelHel{};
    std::array<Label*, 3> InsRader{};
    std::array<Label*, 3> InsHalv{};
    std::array<Label*, 3> InsHel{};
    std::array<Grid*, 3> Grid1{};
    std::array<Grid*, 3> Grid3{};
    std::array<TextBox*, 3> Text1{};
    std::array<SpinButton*, 3> SpinButton1{};
    Label* Label7 = nullptr;
    TextBox* Text2 = nullptr;
    Label* Label8 = nullptr;

    Frame* filterframe = nullptr;
    CheckBox* filtercheck = nullptr;
    Label* Labelmax = nullptr;
    Label* Labelmin = nullptr;
    std::array<TextBox*, 6> filtertext{};
    CheckBox* LikaRaderCheck = nullptr;
    Label* Label10 = nullptr;
    CommandButton* ok = nullptr;
    CommandButton* laddahelram = nullptr;

    Label* Skaparlabel = nullptr;
    CommandButton* AvbrytBe = nullptr;

    Frame* grid2frame = nullptr;
    Grid* Grid2 = nullptr;
    Label* Label4 = nullptr;
    std::array<CommandButton*, 4> Command1{};
    CommandButton* Visaram = nullptr;
    CommandButton* ramgaranti = nullptr;
    CommandButton* utskrift = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;  // QueryUnload, then Unload

private:
    frame::FrameEditing ram;
    void render();
    void renderFilter();
    void buildControls();
    void buildFrameCells();
    void buildModeChoice();
    void buildSlotFrames();
    void buildPercentFrame();
    void buildFilter();
    void buildCreatingControls();
    void buildCouponView();
    void Form_Load();
    void Form_Unload();
    void showMessages(const std::vector<frame::FrameMessage>& messages);
    // Row creation and the coupon view.
    void connectRowCreation();
    void setFormWidth(int widthTwips);  // only while the window is neither minimised nor maximised
    // The three views: editing (systempanel), creating ("Skapar ram...." and "Avbryt"), coupons (grid2frame).
    enum class FrameView { Editing, Creating, Coupons };
    void showView(FrameView view);
    void abortSkapa();  // back to editing after a refusal or a cancel
    // Either filter switch: an edit of the frame; switched off, Text2 takes the row total.
    void filterSwitched(bool& setting, const CheckBox& box);
    void recordMarks(const rowcreation::MarkCounts& marks);
    // The steps of "Skapa". Nothing changed since the rows were made: show them again as they are.
    void showStoredRows();
    // What row creation takes from the frame. Each slot is recounted in turn, as choosing its mode
    // does; a slot that fails is left selected, else the mode the user had.
    rowcreation::FrameInput recountedInput();
    // The rows, with "Avbryt" and the window's events served while they are made.
    rowcreation::Result createRowsLettingEventsRun(const rowcreation::FrameInput& input);
    // The outcome: the coupon view with the rows and their count, or back to editing.
    void takeCreatedRows(rowcreation::Result r);
    QString gatillText() const;  // the go-to dialog's Text1

    FrameView view_ = FrameView::Editing;
    bool creating_ = false;  // "Skapa" is running and letting events run

    bool rendering_ = false;  // control writes from render() are not user edits
};
