#include "frame/Form1.h"

#include "frame/couponview.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/userinterface.h"
#include "platform/vbtext.h"
#include "platform/yielder.h"
#include "shell/Gatill.h"
#include "shell/MDIForm1.h"
#include "shell/garanti.h"
#include "shell/guide.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopeGuard>
#include <QSignalBlocker>

namespace {

frame::FrameTexts currentTexts()
{
    frame::FrameTexts t;
    t.ingetSystem = currentUiText(kUiNoSystem);
    t.matematisk = currentUiText(kUiMathematical);
    return t;
}

// Layout in twips. The frame's cells stand at the left; the editing panel, or in its place the
// coupon view, at the right.
constexpr int kFormWidth = 5445;
constexpr int kFormHeight = 6000;
constexpr int kCellLeft = 360;
constexpr int kCellTop = 540;
constexpr int kCellStep = 300;
constexpr int kRowStep = 285;
constexpr int kPanelLeft = 3240;

Label* label(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* l = make<Label>(parent, left, top, width, height);
    l->setCaption(caption);
    return l;
}

// Each control's caption from the text table: control and UIText id.
template <class Control>
void setTexts(std::initializer_list<std::pair<Control*, UiTextId>> table)
{
    for (const auto& [control, id] : table)
        control->setCaption(currentUiText(id));
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), ram(currentTexts())
{
    setObjectName(QStringLiteral("Form1"));
    MDIForm1::clearHintOnMouseMove({this});
    buildControls();
    connectRowCreation();
    Form_Load();
}

void Form1::buildControls()
{
    twips::resize(this, kFormWidth, kFormHeight);
    buildFrameCells();
    buildModeChoice();
    buildSlotFrames();
    buildPercentFrame();
    buildFilter();
    buildCreatingControls();
    buildCouponView();
}

// The frame: 13 matches of three sign cells, their tags and the row total.
void Form1::buildFrameCells()
{
    Label9 = label(this, QString(), 60, 60, 1200, 255);
    Label9->setFontBold(true);
    for (int c = 0; c < 3; ++c) {
        Label2[c] = label(this, frame::signCaption(c), kCellLeft + c * kCellStep, 300, 285, 240);
        Label2[c]->setVbAlignment(2);
        Label2[c]->setFontBold(true);
    }
    for (int m = 0; m < frame::MatchCount; ++m) {
        const int top = kCellTop + m * kRowStep;
        auto* number = label(this, QString::number(m + 1), 60, top, 270, 270);
        number->setVbAlignment(1);
        for (int c = 0; c < 3; ++c) {
            const int i = 3 * m + c;
            Label* cell = label(this, QString(), kCellLeft + c * kCellStep, top, 285, 270);
            cell->Index = i;
            cell->setFontName(QStringLiteral("Arial"));
            cell->setFontBold(true);
            cell->setFontSize(9);
            cell->setVbAlignment(2);
            cell->setAlignment(Qt::AlignCenter);  // the sign in the middle of its box, whatever the font
            cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);  // plain lines would take the guard colour
            cell->setBackColor(0xFFFFFF);
            connect(cell, &Label::Click, this, [this, i] { Label1_Click(i); });
            Label1[i] = cell;
        }
        Label5[m] = label(this, QString(), kCellLeft + 3 * kCellStep + 60, top, 1860, 270);
        Label5[m]->setFontName(QStringLiteral("Courier New"));
        Label5[m]->setFontSize(8);
    }
    const int totalTop = kCellTop + frame::MatchCount * kRowStep + 120;
    Labeltotal = label(this, QString(), 60, totalTop, 1400, 255);
    Allrad = label(this, QStringLiteral("1"), 1500, totalTop, 1500, 255);
    Allrad->setFontBold(true);
}

// The editing panel with the mode options and one frame per mode.
void Form1::buildModeChoice()
{
    systempanel = make<Frame>(this, kPanelLeft, 0, 2160, 5900);
    systempanel->setFlat(true);
    Option1 = OptionArray(systempanel, frame::ModeCount);
    for (int k = 0; k < frame::ModeCount; ++k)
        Option1[std::size_t(k)]->Move(60, 120 + k * 240, 2000, 240);
    Option1.onClick([this](int k) { Option1_Click(k); });

    for (int k = 0; k < frame::ModeCount; ++k) {
        System[k] = make<Frame>(systempanel, 0, 1380, 2160, 2100);
        System[k]->setVisible(k == 0);
    }
}

void Form1::buildSlotFrames()
{
    for (int s = 0; s < 3; ++s) {
        Frame* box = System[s];
        Label3[s] = label(box, QString(), 90, 270, 1980, 270);
        Label3[s]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Ladda[s] = make<CommandButton>(box, 90, 600, 1980, 330);
        visagaranti[s] = make<CommandButton>(box, 90, 960, 1980, 330);
        // The slot's counters: rows, half guards, full guards, each a name and its number.
        const struct {
            std::array<Label*, 3>& name;
            std::array<Label*, 3>& count;
            int top;
        } counters[] = {{LabelRader, InsRader, 1380}, {LabelHalv, InsHalv, 1620}, {LabelHel, InsHel, 1860}};
        for (const auto& row : counters) {
            row.name[s] = label(box, QString(), 90, row.top, 1500, 240);
            row.count[s] = label(box, QString(), 1590, row.top, 480, 240);
            row.count[s]->setVbAlignment(1);
        }
        Grid1[s] = make<Grid>(box, 0, 0, 100, 100);
        Grid1[s]->setVisible(false);
        Grid3[s] = make<Grid>(box, 0, 0, 100, 100);
        Grid3[s]->setVisible(false);
        connect(Ladda[s], &CommandButton::Click, this, [this, s] { Ladda_Click(s); });
        connect(visagaranti[s], &CommandButton::Click, this, [this, s] { visagaranti_Click(s); });
    }
}

// Procent: the three percentages with their spin buttons, and the row count without systems.
// Matematisk: only the explanation.
void Form1::buildPercentFrame()
{
    for (int i = 0; i < 3; ++i) {
        const int top = 300 + i * 330;
        Label6[i] = label(System[3], frame::signCaption(i), 150, top, 300, 285);
        Label6[i]->setFontBold(true);
        Text1[i] = make<TextBox>(System[3], 480, top, 700, 285);
        Text1[i]->setMaxLength(frame::FrameEditing::MaxPercentLength);
        Text1[i]->acceptOnly(&frame::FrameEditing::percentBoxAccepts);
        Text1[i]->setAlignment(Qt::AlignRight);
        SpinButton1[i] = make<SpinButton>(System[3], 1200, top, 240, 285);
        connect(Text1[i], &TextBox::Change, this, [this, i] {
            if (!rendering_)
                ram.setText1(i, Text1[i]->Text());
        });
        connect(SpinButton1[i], &SpinButton::SpinUp, this, [this, i] { SpinButton1_SpinUp(i); });
        connect(SpinButton1[i], &SpinButton::SpinDown, this, [this, i] { SpinButton1_SpinDown(i); });
    }
    Label7 = label(System[3], QString(), 90, 1320, 1980, 420);
    Label7->setWordWrap(true);
    Text2 = make<TextBox>(System[3], 90, 1740, 1100, 285);
    Text2->setAlignment(Qt::AlignRight);
    connect(Text2, &TextBox::Change, this, [this] { Text2_Change(); });
    connect(Text2, &TextBox::KeyPress, this, [this](int& key) { Text2_KeyPress(key); });
    Label8 = label(System[4], QString(), 90, 300, 1980, 1500);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// Filter and equal-row options (row creation reads them), and the panel's buttons.
// The check box stays outside the frame: the frame is shown only while it is ticked.
void Form1::buildFilter()
{
    filtercheck = make<CheckBox>(systempanel, 90, 3540, 1980, 255);
    filterframe = make<Frame>(systempanel, 0, 3780, 2160, 1500);
    filterframe->setVisible(false);
    for (int c = 0; c < 3; ++c) {
        auto* head = label(filterframe, frame::signCaption(c), 690 + c * 480, 300, 420, 225);
        head->setVbAlignment(2);
    }
    Labelmax = label(filterframe, QString(), 90, 555, 570, 255);
    Labelmin = label(filterframe, QString(), 90, 885, 570, 255);
    for (int i = 0; i < 6; ++i) {
        filtertext[i] = make<TextBox>(filterframe, 690 + (i % 3) * 480, 540 + (i / 3) * 330, 420, 285);
        filtertext[i]->setAlignment(Qt::AlignRight);
    }
    LikaRaderCheck = make<CheckBox>(filterframe, 90, 1200, 240, 255);
    Label10 = label(filterframe, QStringLiteral("Ta bort lika rader"), 360, 1200, 1700, 255);
    ok = make<CommandButton>(systempanel, 90, 5400, 1020, 375);  // inside the panel's border
    connect(ok, &CommandButton::Click, this, [this] { OK_Click(); });
    laddahelram = make<CommandButton>(systempanel, 1080, 5400, 1080, 375);
    laddahelram->setCaption(QStringLiteral("ladda hela ramen"));
    laddahelram->setVisible(false);
    connect(laddahelram, &CommandButton::Click, this, [this] { laddahelram_Click(); });
}

// Shown while rows are created.
void Form1::buildCreatingControls()
{
    Skaparlabel = label(this, QString(), kPanelLeft + 120, 600, 2000, 300);
    Skaparlabel->setFontBold(true);
    Skaparlabel->setVisible(false);
    AvbrytBe = make<CommandButton>(this, kPanelLeft + 120, 1020, 1200, 375);
    AvbrytBe->setVisible(false);
    connect(AvbrytBe, &CommandButton::Click, this, [this] { AvbrytBe_Click(); });
}

void Form1::buildCouponView()
{
    grid2frame = make<Frame>(this, kPanelLeft, 0, 5850, 5900);
    grid2frame->setFlat(true);
    grid2frame->setVisible(false);
    Label4 = label(grid2frame, QStringLiteral("Kupong"), 60, 240, 3480, 285);  // up to the buttons: 7-digit rows
    static const char* const kNavigation[4] = {"|<", "<", ">", ">|"};
    for (int i = 0; i < 4; ++i) {
        Command1[i] = make<CommandButton>(grid2frame, 3600 + i * 510, 180, 480, 345);
        Command1[i]->setCaption(QString::fromLatin1(kNavigation[i]));
        Command1[i]->Index = i;
        connect(Command1[i], &CommandButton::Click, this, [this, i] { Command1_Click(i); });
    }
    Grid2 = make<Grid>(grid2frame, 0, 600, 5850, 4200);
    CommandButton** const buttons[] = {&Visaram, &ramgaranti, &utskrift};  // in a row under the grid
    for (int i = 0; i < 3; ++i)
        *buttons[i] = make<CommandButton>(grid2frame, i * 1920, 4950, 1800, 375);
    utskrift->setCaption(QStringLiteral("Skriv ut"));
    utskrift->setVisible(false);
}

void Form1::Form_Load()
{
    setTexts<Label>(
        {{Label4, kUiCouponRows}, {Label7, kUiRowsWithoutSystems}, {Label8, kUiMathematicalNote}, {Label9, kUiFrame},
            {Labelmax, kUiMax}, {Labelmin, kUiMin}, {Labeltotal, kUiRowsTotal}, {Skaparlabel, kUiCreatingFrame}});
    setTexts<CommandButton>(
        {{AvbrytBe, kUiCancel}, {ok, kUiCreate}, {ramgaranti, kUiFrameGuarantee}, {Visaram, kUiChangeFrame}});
    filtercheck->setCaption(currentUiText(kUiUseFilter));
    filterframe->setCaption(currentUiText(kUiFilter));
    for (int s = 0; s < 3; ++s) {
        setTexts<Label>({{LabelHalv[s], kUiHalfGuards}, {LabelHel[s], kUiFullGuards}, {LabelRader[s], kUiRowCount}});
        setTexts<CommandButton>({{Ladda[s], kUiOpen}, {visagaranti[s], kUiShowGuaranteeTable}});
    }
    for (int k = 0; k < frame::ModeCount; ++k) {
        Option1[std::size_t(k)]->setCaption(currentUiText(kUiModeOption + k));
        System[k]->setCaption(currentUiText(kUiModeFrame + k));
    }

    // The coupon grid: ten coupon rows of "1", "X", "2" with thin separators between them and
    // between the groups of matches.
    Grid2->setRows(17);
    Grid2->setCols(40);
    Grid2->setFixedRows(1);
    Grid2->setFixedCols(1);
    Grid2->setColWidth(0, 280);
    Grid2->setColAlignment(0, 2);
    Grid2->setFixedAlignment(0, 2);
    for (int i = 1; i <= 39; ++i) {
        Grid2->setColAlignment(i, 2);
        Grid2->setFixedAlignment(i, 2);
        Grid2->setColWidth(i, i % 4 == 0 ? 5 : 180);
        if (i % 4 != 0)
            Grid2->setTextMatrix(0, i, frame::signCaption((i % 4) - 1));
    }
    for (int r : {4, 8, 12})
        Grid2->setRowHeight(r, 5);

    ram.forminne = RowMatrix(1, 1);
    if (!isMinimized() && !isMaximized())
        twips::resize(this, kFormWidth, twips::height(this));
    ram.systemsparat = true;
    ram.skapat = false;
    render();
}

void Form1::render()
{
    rendering_ = true;
    for (int i = 0; i < frame::CellCount; ++i) {
        Label1[i]->setCaption(ram.Label1[i].Caption);
        Label1[i]->setForeColor(ram.Label1[i].ForeColor);
    }
    for (int m = 0; m < frame::MatchCount; ++m)
        Label5[m]->setCaption(ram.Label5[m]);
    for (int s = 0; s < 3; ++s) {
        Label3[s]->setCaption(ram.Label3[s]);
        InsRader[s]->setCaption(ram.InsRader[s]);
        InsHalv[s]->setCaption(ram.InsHalv[s].Caption);
        InsHalv[s]->setForeColor(ram.InsHalv[s].ForeColor);
        InsHel[s]->setCaption(ram.InsHel[s].Caption);
        InsHel[s]->setForeColor(ram.InsHel[s].ForeColor);
        Grid1[s]->Tag = ram.Grid1Tag[s];
    }
    for (int k = 0; k < frame::ModeCount; ++k) {
        System[k]->Tag = ram.SystemTag[k];
        System[k]->setVisible(frame::modeAt(k) == ram.mode);
        OptionButton* option = Option1[std::size_t(k)];
        if (frame::modeAt(k) == ram.mode && !option->Value()) {
            const QSignalBlocker quiet(option);
            option->setValue(true);
        }
    }
    Allrad->setCaption(ram.Allrad);
    for (int i = 0; i < 3; ++i)
        if (Text1[i]->Text() != ram.Text1[i])
            Text1[i]->setText(ram.Text1[i]);
    if (Text2->Text() != ram.Text2)
        Text2->setText(ram.Text2);
    renderFilter();
    rendering_ = false;
}

void Form1::renderFilter()
{
    const frame::FilterSettings& f = ram.filter;
    for (int i = 0; i < 6; ++i)
        if (filtertext[i]->Text() != f.text[i])
            filtertext[i]->setText(f.text[i]);
    // Their click handlers are the user's edits; the state already holds what they would take.
    const QSignalBlocker quietFilter(filtercheck), quietEqualRows(LikaRaderCheck);
    filtercheck->setValue(f.filter ? 1 : 0);
    LikaRaderCheck->setValue(f.removeEqualRows ? 1 : 0);
    filterframe->setVisible(f.filter);
}

void Form1::showMessages(const std::vector<frame::FrameMessage>& messages)
{
    for (const auto& m : messages)
        MsgBox(currentMessageText(m.textId), m.style);
}

// ---------------------------------------------------------------- editing

void Form1::Label1_Click(int Index)
{
    if (creating_)
        return;  // the rows being made are those of the marks as they were
    const auto messages = ram.Label1_Click(Index);
    render();
    showMessages(messages);
}

void Form1::Option1_Click(int Index)
{
    ram.Option1_Click(Index);
    render();
}

void Form1::SpinButton1_SpinUp(int Index)
{
    ram.SpinButton1_SpinUp(Index);
    render();
    Text1[Index]->update();
}

void Form1::SpinButton1_SpinDown(int Index)
{
    ram.SpinButton1_SpinDown(Index);
    render();
    Text1[Index]->update();
}

void Form1::Text2_Change()
{
    if (rendering_)
        return;  // the model already ran the change that render() is showing
    ram.Text2 = Text2->Text();
    ram.Text2_Change();
    render();
}

void Form1::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    ram.Text2 = Text2->Text();
    if (ram.Text2_KeyPress(KeyAscii)) {
        render();
        ok->setFocus();
    }
}

// ---------------------------------------------------------------- seams for other commands

void Form1::utskrift_Click(const RowPrinter& print) { print(ram.forminne, ram.Allrad, windowTitle()); }

void Form1::visagaranti_Click(int Index) { garanti::showFromSlot(*Grid3[Index], state().slottyp[Index]); }

// ---------------------------------------------------------------- window events

// ---------------------------------------------------------------- as a document

QString Form1::closeQuestion() const
{
    return currentMessageText(kMsgFrameUnsaved) + windowTitle() + currentMessageText(kMsgUnsavedQuestion);
}

MainItems Form1::enabledItems() const
{
    // Print, search and export work on created rows: on from "Skapa" until back to editing.
    if (view_ == FrameView::Editing)
        return MainItem::SaveAs;
    return MainItem::SaveAs | MainItem::Print | MainItem::Search | MainItem::Export;
}

QString Form1::saveAsCaption() const { return currentUiText(kUiSaveFrameAs); }

void Form1::Form_Activate()
{
    if (Tag == u"ladda") {
        laddahelram_Click();
        Tag.clear();
    }
    guide::showPage(kGuideFrameWindow);
    MDIForm1* main = MDIForm1::instance();
    if (main && !main->anvandsystem.isEmpty())
        Ladda_Click(0);
}

void Form1::Form_Unload()
{
    closing();
    guide::showPage(kGuideWelcome);
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (creating_) {
        // "Skapa" is still on the stack: cancel it and let the user close again.
        ram.avbrytskapa = true;
        event->ignore();
        return;
    }
    if (!ram.systemsparat && !MDIForm1::confirmDocumentClose(*this)) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

// ---------------------------------------------------------------- row creation and the coupon view

namespace {

constexpr int kCouponFormWidth = 9105;
constexpr int kEditingFormWidth = 5440;

// A slot's system grid as row creation reads it: grid row = guarded position, column = system row.
frame::SlotGrid slotGrid(const Grid& g)
{
    frame::SlotGrid rows;
    for (int r = 1; r < g.Rows(); ++r) {
        std::string line(static_cast<std::size_t>(std::max(0, g.Cols() - 1)), '\0');
        for (int c = 1; c < g.Cols(); ++c) {
            const QString& t = g.cell(r, c);
            if (!t.isEmpty())
                line[static_cast<std::size_t>(c - 1)] = static_cast<char>(t.at(0).toLatin1());
        }
        rows.push_back(std::move(line));
    }
    return rows;
}

}  // namespace

void Form1::connectRowCreation()
{
    connect(filtercheck, &CheckBox::Click, this, [this] { filtercheck_Click(); });
    connect(LikaRaderCheck, &CheckBox::Click, this, [this] { LikaRaderCheck_Click(); });
    for (int i = 0; i < 6; ++i) {
        connect(filtertext[i], &TextBox::Change, this, [this, i] {
            if (!rendering_)
                ram.filter.text[i] = filtertext[i]->Text();
        });
        connect(filtertext[i], &TextBox::KeyPress, this, [this, i](int& key) { filtertext_KeyPress(i, key); });
    }
    connect(Label4, &Label::DblClick, this, [this] { Label4_DblClick(); });
    connect(Visaram, &CommandButton::Click, this, [this] { Visaram_Click(); });
    connect(ramgaranti, &CommandButton::Click, this, [this] { ramgaranti_Click(); });
}

void Form1::setFormWidth(int widthTwips)
{
    // Inside the main window the frame's size is its subwindow's client area.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (sub->isMinimized() || sub->isMaximized())
            return;
        sub->resize(sub->width() + twips::toPixelsX(widthTwips) - width(), sub->height());
        return;
    }
    if (!isMinimized() && !isMaximized())
        twips::resize(this, widthTwips, twips::height(this));
}

void Form1::showView(FrameView view)
{
    // Give the focus to the new view before the old one hides: a hidden focus widget would hand it
    // to the next window in the main window and deactivate this frame. The window's own focus widget
    // counts while a message box has the focus.
    QWidget* focus = window()->focusWidget();
    const bool focusHere = focus && isAncestorOf(focus);
    const bool editing = view == FrameView::Editing, creating = view == FrameView::Creating;
    ram.grid2frameVisible = view == FrameView::Coupons;
    systempanel->setVisible(editing || systempanel->isVisible());
    grid2frame->setVisible(ram.grid2frameVisible || grid2frame->isVisible());
    AvbrytBe->setVisible(creating || AvbrytBe->isVisible());
    if (focusHere) {
        if (editing)
            ok->setFocus();
        else if (creating)
            AvbrytBe->setFocus();
        else
            Grid2->setFocus();
    }
    systempanel->setVisible(editing);
    grid2frame->setVisible(ram.grid2frameVisible);
    AvbrytBe->setVisible(creating);
    Skaparlabel->setVisible(creating);
    view_ = view;
    changed();
}

void Form1::abortSkapa()
{
    setFormWidth(kEditingFormWidth);
    showView(FrameView::Editing);
}

void Form1::recordMarks(const rowcreation::MarkCounts& marks)
{
    antalmarkerade = marks.antalmarkerade;
    ettamarkerad = marks.ettamarkerad;
}

void Form1::OK_Click()
{
    if (creating_)
        return;
    ram.avbrytskapa = false;
    setFormWidth(kCouponFormWidth);
    showView(FrameView::Creating);
    if (ram.skapat) {
        showStoredRows();
        return;
    }
    const rowcreation::FrameInput input = recountedInput();
    takeCreatedRows(createRowsLettingEventsRun(input));
}

void Form1::showStoredRows()
{
    if (ram.filter.filter)
        ram.Allrad = vb::Dec(ram.temptempallrad);
    else
        ram.allradram = ram.rowTotal();
    showView(FrameView::Coupons);
    render();
    Command1_Click(couponview::Nav::First);
    recordMarks(rowcreation::markCounts(frame::frameInputFrom(ram)));
}

rowcreation::FrameInput Form1::recountedInput()
{
    const frame::Mode mode = ram.mode;
    std::array<frame::SlotGrid, frame::SlotCount> grids;
    for (int s = 0; s < frame::SlotCount; ++s)
        grids[s] = slotGrid(*Grid1[s]);
    rowcreation::FrameInput input = frame::frameInputFrom(ram, std::move(grids));
    const auto failure = rowcreation::checkSlots(input);
    for (int s = 0; s <= (failure ? failure->slot : frame::SlotCount - 1); ++s)
        ram.Option1_Click(s);
    if (!failure)
        ram.Option1_Click(mode);
    render();
    return input;
}

rowcreation::Result Form1::createRowsLettingEventsRun(const rowcreation::FrameInput& input)
{
    Yielder yielder([this] { return ram.avbrytskapa; }, skapaYieldInterval);
    creating_ = true;
    const auto created = qScopeGuard([this] { creating_ = false; });
    try {
        return rowcreation::createRows(
            input, *rowRandom, [&] { return yielder.step(); }, memoryLimits);
    } catch (...) {
        // An error the application reports (memory short while the work matrix is built, say): the
        // frame goes back to editing, its rows as they were, and "Skapa" can run again.
        abortSkapa();
        throw;
    }
}

void Form1::takeCreatedRows(rowcreation::Result r)
{
    if (r.outcome == rowcreation::Outcome::OutOfMemory) {
        // Refused before anything was built: the frame and its old rows stay as they were.
        MsgBox(currentMessageText(kMsgOutOfMemory), vbmsg::Exclamation);
        abortSkapa();
        return;
    }
    ram.forminne = std::move(r.rows);
    if (r.marksRecorded)
        recordMarks(r.marks);
    const auto message = rowcreation::messageFor(r, currentMessageText);
    const auto showMessage = [&message] {
        if (message)
            MsgBox(message->text, message->style);
    };

    switch (r.outcome) {
    case rowcreation::Outcome::Created:
    case rowcreation::Outcome::FilterKeptAll:
    case rowcreation::Outcome::FilterRemoved:
        ram.allradram = static_cast<std::int32_t>(r.total);
        ram.Allrad = vb::Dec(double(r.left));
        render();
        showMessage();
        showView(FrameView::Coupons);
        ram.skapat = true;
        Command1_Click(couponview::Nav::First);
        break;
    case rowcreation::Outcome::FilterRemovedAll:
        ram.allradram = static_cast<std::int32_t>(r.total);
        showMessage();
        Visaram_Click();
        break;
    case rowcreation::Outcome::SlotInvalid:
        showMessage();
        abortSkapa();
        break;
    case rowcreation::Outcome::Cancelled:
    case rowcreation::Outcome::OutOfMemory:
        abortSkapa();
        break;
    }
}

void Form1::filtercheck_Click() { filterSwitched(ram.filter.filter, *filtercheck); }

void Form1::LikaRaderCheck_Click() { filterSwitched(ram.filter.removeEqualRows, *LikaRaderCheck); }

void Form1::filterSwitched(bool& setting, const CheckBox& box)
{
    ram.skapat = false;
    ram.systemsparat = false;
    setting = box.Value() == 1;
    if (!setting)
        ram.setText2(ram.Allrad);
    render();
}

void Form1::filtertext_KeyPress(int Index, int& KeyAscii)
{
    ram.skapat = false;
    ram.systemsparat = false;
    if (KeyAscii != 13)
        return;
    const frame::FilterEnter enter = frame::filterEnter(Index, ram.filter.text);
    ram.filter.text[Index] = enter.text;
    render();
    if (enter.focus == frame::FilterEnter::FocusSkapa)
        ok->setFocus();
    else if (enter.focus != frame::FilterEnter::FocusStays)
        filtertext[enter.focus]->setFocus();
}

void Form1::Command1_Click(int Index)
{
    Command1_Click(Index, Index == couponview::Nav::GoTo ? gatillText() : QString());
}

void Form1::Command1_Click(int Index, const QString& gatillText)
{
    const double rowCount = vb::Val(ram.Allrad);
    const couponview::Move move = couponview::navigate(Index, ram.kupongstart, rowCount, gatillText);
    if (move.notFound) {
        MsgBox(currentMessageText(kMsgNoSuchCoupon), vbmsg::Exclamation);
        return;
    }
    ram.kupongstart = move.kupongstart;
    const int n = couponview::rowsOnCoupon(ram.kupongstart, rowCount);
    Label4->setCaption(
        couponview::caption(ram.kupongstart, currentUiText(kUiCouponRows), currentUiText(kUiCouponRowsDash)));
    Grid2->setFocus();
    const couponview::Cells cells = couponview::couponCells(ram.forminne, ram.kupongstart, n);
    for (int row = 1; row < couponview::GridRows; ++row)
        for (int col = 0; col < couponview::GridCols; ++col)
            if (Grid2->TextMatrix(row, col) != cells[row][col])
                Grid2->setTextMatrix(row, col, cells[row][col]);
    Grid2->setCol(1);
    Grid2->setRow(1);
}

void Form1::Visaram_Click()
{
    setFormWidth(kEditingFormWidth);
    showView(FrameView::Editing);  // also takes "Avbryt" away when the filter left no rows
    ram.temptempallrad = ram.rowTotal();
    ram.Allrad = vb::Dec(ram.allradram);
    render();
}

std::function<void(const Form1&)> Form1::frameGuarantee;

void Form1::ramgaranti_Click()
{
    if (frameGuarantee)
        frameGuarantee(*this);
}

QString Form1::gatillText() const { return Gatill::number(); }

void Form1::Label4_DblClick() { Gatill::instance()->showDialog(); }
