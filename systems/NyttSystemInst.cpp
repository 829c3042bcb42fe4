#include "systems/NyttSystemInst.h"

#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/userinterface.h"
#include "platform/vbtext.h"
#include "platform/windowhelp.h"
#include "shell/MDIForm1.h"
#include "shell/guide.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/Form2.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSignalBlocker>

namespace {

QPointer<NyttSystemInst> theDialog;

// Layout in twips. The short dialog ends under the buttons; the build settings lie below them.
constexpr int kWidth = 7500;
constexpr int kShortHeight = 4125;
constexpr int kTallHeight = 7395;
constexpr int kCaptionAllowance = 405;  // caption bar and borders within the form's outer height

constexpr std::uint32_t kButtonText = 0x80000012;
constexpr std::uint32_t kInactiveText = 0x80000003;

// The two system colours the check boxes switch between.
void setSystemForeColor(CheckBox* box, std::uint32_t systemColour)
{
    const QPalette app = QApplication::palette();
    const QColor c = systemColour == kButtonText ? app.color(QPalette::Active, QPalette::ButtonText)
                                                 : app.color(QPalette::Disabled, QPalette::WindowText);
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    box->setPalette(p);
}

double val(const TextBox* box) { return vb::Val(box->Text()); }

// One spin step of a count box within low..high (the guard boxes leave room for each other); a
// count outside the range starts again from low.
void spinCount(TextBox* box, double step, double low, double high)
{
    double n = val(box);
    if (n < low || n > high)
        n = low;
    box->setText(vb::Dec(std::max(low, std::min(n + step, high))));
}

}  // namespace

NyttSystemInst* NyttSystemInst::instance()
{
    return loadedDialog(theDialog, [] { return new NyttSystemInst(MDIForm1::instance()); });
}

NyttSystemInst::NyttSystemInst(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("NyttSystemInst"));
    buildControls();
    MDIForm1::clearHintOnMouseMove({this});
    connect(qApp, &QApplication::focusChanged, this, &NyttSystemInst::focusChanged);
}

NyttSystemInst::~NyttSystemInst()
{
    // Focus moves while the children go; this object must no longer hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

void NyttSystemInst::buildControls()
{
    // The three count rows: heading, number box and its spin button.
    const struct {
        Label** heading;
        TextBox** box;
        SpinButton** spin;
        int top;
    } counts[] = {{&AntalHalvgard, &Halvgard, &SpinButton1, 210}, {&AntalHelgard, &Helgard, &SpinButton2, 690},
        {&AntalRader, &Rader, &SpinButton3, 1170}};
    for (const auto& row : counts) {
        *row.heading = make<Label>(this, 240, row.top + 60, 3240, 255);
        *row.box = make<TextBox>(this, 3600, row.top, 855, 315);
        *row.spin = make<SpinButton>(this, 4455, row.top, 255, 315);
    }
    Halvgard->setText(QStringLiteral("0"));
    Helgard->setText(QStringLiteral("1"));
    Rader->setText(QStringLiteral("1"));

    Frame1 = make<Frame>(this, 240, 1680, 4470, 1020);
    Option1 = OptionArray(Frame1, 2);
    for (std::size_t i = 0; i < 2; ++i)
        Option1[i]->Move(180, 300 + static_cast<int>(i) * 330, 3660, 285);
    Datorberakning = make<CheckBox>(this, 240, 2850, 7020, 315);
    CommandOK = make<CommandButton>(this, 2250, 3270, 1335, 375);
    CommandAvbryt = make<CommandButton>(this, 3915, 3270, 1335, 375);

    Frame2 = make<Frame>(this, 240, 3840, 7020, 1335);
    feloption = OptionArray(Frame2, 3);
    for (std::size_t i = 0; i < 3; ++i)
        feloption[i]->Move(180, 300 + static_cast<int>(i) * 315, 6660, 285);
    Frame3 = make<Frame>(this, 240, 5280, 7020, 1650);
    Label1 = make<Label>(Frame3, 180, 300, 6660, 255);
    for (int e = 0; e < 14; ++e) {
        Check1[static_cast<std::size_t>(e)] =
            make<CheckBox>(Frame3, 180 + (e % 7) * 960, 690 + (e / 7) * 420, 945, 285);
        Check1[static_cast<std::size_t>(e)]->Index = e;
    }

    // The state of a new dialog: without base row, 12 right, nothing built; set before the handlers
    // are connected, as the form's design holds it.
    Option1[0]->setValue(true);
    feloption[1]->setValue(true);
    Frame3->setEnabled(false);
    Label1->setEnabled(false);
    for (CheckBox* c : Check1)
        setSystemForeColor(c, kInactiveText);
    setHeight(kShortHeight);

    Option1.onClick([this](int i) { Option1_Click(i); });
    connect(Datorberakning, &CheckBox::Click, this, &NyttSystemInst::Datorberakning_Click);
    connect(CommandOK, &CommandButton::Click, this, &NyttSystemInst::CommandOK_Click);
    connect(CommandAvbryt, &CommandButton::Click, this, &NyttSystemInst::CommandAvbryt_Click);
    CommandAvbryt->setCancel(true);
    connect(Halvgard, &TextBox::KeyPress, this, &NyttSystemInst::Halvgard_KeyPress);
    connect(Helgard, &TextBox::KeyPress, this, &NyttSystemInst::Helgard_KeyPress);
    connect(Rader, &TextBox::KeyPress, this, &NyttSystemInst::Rader_KeyPress);
    connect(SpinButton1, &SpinButton::SpinUp, this, &NyttSystemInst::SpinButton1_SpinUp);
    connect(SpinButton1, &SpinButton::SpinDown, this, &NyttSystemInst::SpinButton1_SpinDown);
    connect(SpinButton2, &SpinButton::SpinUp, this, &NyttSystemInst::SpinButton2_SpinUp);
    connect(SpinButton2, &SpinButton::SpinDown, this, &NyttSystemInst::SpinButton2_SpinDown);
    connect(SpinButton3, &SpinButton::SpinUp, this, &NyttSystemInst::SpinButton3_SpinUp);
    connect(SpinButton3, &SpinButton::SpinDown, this, &NyttSystemInst::SpinButton3_SpinDown);

    // A click that would take the focus from a box whose Validate refuses does not happen.
    std::vector<QWidget*> focusTakers = {Halvgard, Helgard, Rader, Datorberakning, CommandOK, CommandAvbryt};
    for (OptionButton* b : Option1)
        focusTakers.push_back(b);
    for (OptionButton* b : feloption)
        focusTakers.push_back(b);
    for (CheckBox* c : Check1)
        focusTakers.push_back(c);
    for (QWidget* w : focusTakers)
        w->installEventFilter(this);
    setTabOrder(Halvgard, Helgard);
    setTabOrder(Helgard, Rader);
    setTabOrder(Rader, Option1[0]);
    setTabOrder(Option1[0], Datorberakning);
    setTabOrder(Datorberakning, CommandOK);
    setTabOrder(CommandOK, CommandAvbryt);
}

void NyttSystemInst::setHeight(int twips)
{
    height_ = twips;
    setFixedSize(twips::toPixelsX(kWidth), twips::toPixelsY(twips - kCaptionAllowance));
}

NewSystemSettings NyttSystemInst::settings() const
{
    NewSystemSettings s;
    s.halvgard = val(Halvgard);
    s.helgard = val(Helgard);
    s.rader = val(Rader);
    s.urad = Option1[1]->Value() ? 1 : 0;
    s.fel = std::max(0, feloption.selected());
    s.datorberakning = Datorberakning->Value() == 1;
    for (std::size_t e = 0; e < Check1.size(); ++e)
        s.allowed[e] = Check1[e]->Value() == 1;
    return s;
}

// ---------------------------------------------------------------- window events

void NyttSystemInst::Form_Load()
{
    setWindowTitle(currentUiText(kUiNewSystemDialogCaption));
    AntalHalvgard->setCaption(currentUiText(kUiHalfGuardCount));
    AntalHelgard->setCaption(currentUiText(kUiFullGuardCount));
    AntalRader->setCaption(currentUiText(kUiSystemRowCount));
    Datorberakning->setCaption(currentUiText(kUiComputerBuilds));
    for (int i = 0; i < 3; ++i)
        feloption[static_cast<std::size_t>(i)]->setCaption(currentUiText(kUiReduction + i));
    Frame1->setCaption(currentUiText(kUiSystemFrame));
    Frame2->setCaption(currentUiText(kUiReductionFrame));
    Frame3->setCaption(currentUiText(kUiBaseRowFrame));
    Label1->setCaption(currentUiText(kUiThirteenAtErrors));
    Option1[0]->setCaption(currentUiText(kUiWithoutBaseRow));
    Option1[1]->setCaption(currentUiText(kUiWithBaseRow));
    for (int e = 0; e < 14; ++e)
        Check1[static_cast<std::size_t>(e)]->setCaption(vb::Dec(e) + currentUiText(kUiErrors));
    CommandOK->setCaption(currentUiText(kUiOK));
    CommandAvbryt->setCaption(currentUiText(kUiCancel));
}

void NyttSystemInst::showDialog() { showDialogWindow(this, placed_); }

void NyttSystemInst::Form_Activate() { guide::showPage(kGuideNewSystem); }

void NyttSystemInst::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void NyttSystemInst::CommandOK_Click()
{
    hide();
    // The pattern at once, not "System" until the next activation: Save As and the close prompt
    // name the new system by it.
    if (Form2* editor = Form2::open(currentUiText(kUiNewSystemCaption), settings()))
        editor->setWindowTitle(editor->captionPattern());
}

void NyttSystemInst::CommandAvbryt_Click() { hide(); }

// ---------------------------------------------------------------- build settings

void NyttSystemInst::Datorberakning_Click()
{
    const bool build = Datorberakning->Value() == 1;
    if (build) {
        {
            const QSignalBlocker block(Option1[0]);
            Option1[0]->setValue(true);
        }
        Option1_Click(0);
        setHeight(kTallHeight);
    } else {
        setHeight(kShortHeight);
    }
    Rader->setEnabled(!build);
    SpinButton3->setEnabled(!build);
    AntalRader->setEnabled(!build);
}

void NyttSystemInst::Option1_Click(int Index)
{
    if (Index == 1) {
        if (feloption[2]->Value())
            feloption[0]->setValue(true);
        feloption[2]->setEnabled(false);
        Frame3->setEnabled(true);
        Label1->setEnabled(true);
        for (CheckBox* c : Check1) {
            c->setEnabled(true);
            setSystemForeColor(c, kButtonText);
        }
    } else {
        feloption[2]->setEnabled(true);
        Frame3->setEnabled(false);
        Label1->setEnabled(false);
        for (CheckBox* c : Check1) {
            setSystemForeColor(c, kInactiveText);
            c->setValue(0);
        }
    }
}

// ---------------------------------------------------------------- number boxes

void NyttSystemInst::Halvgard_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    const double h = val(Helgard);
    if (const double v = val(Halvgard); v > 0 && v <= 13 - h) {
        Halvgard->setText(vb::Dec(v));
        Helgard->setFocus();
    }
    if (val(Halvgard) == 0) {
        Halvgard->setText(QStringLiteral("0"));
        Helgard->setFocus();
    }
}

QWidget* NyttSystemInst::afterHelgard() const
{
    return Rader->isEnabled() ? static_cast<QWidget*>(Rader) : static_cast<QWidget*>(CommandOK);
}

void NyttSystemInst::Helgard_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    const double h = val(Halvgard);
    if (const double v = val(Helgard); v > 0 && v <= 13 - h) {
        Helgard->setText(vb::Dec(v));
        afterHelgard()->setFocus();
    }
    if (val(Helgard) == 0) {
        Helgard->setText(QStringLiteral("0"));
        afterHelgard()->setFocus();
    }
}

void NyttSystemInst::Rader_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    const double v = val(Rader);
    if (v >= 1 && v <= 10000) {
        Rader->setText(vb::Dec(v));
        CommandOK->setFocus();
    } else if (v == 0) {
        Rader->setText(QStringLiteral("1"));
        CommandOK->setFocus();
    }
}

bool NyttSystemInst::Halvgard_Validate()
{
    const double half = val(Halvgard);
    if (half < 0 || half + val(Helgard) > 13) {
        Beep();
        return true;
    }
    return false;
}

bool NyttSystemInst::Helgard_Validate()
{
    const double full = val(Helgard);
    if (full < 0 || val(Halvgard) + full > 13) {
        Beep();
        return true;
    }
    return false;
}

bool NyttSystemInst::Rader_Validate()
{
    const double rows = val(Rader);
    if (rows < 1 || rows > 10000)
        Beep();
    return false;
}

bool NyttSystemInst::validateLeaving(QWidget* box)
{
    if (box == Halvgard)
        return Halvgard_Validate();
    if (box == Helgard)
        return Helgard_Validate();
    if (box == Rader)
        return Rader_Validate();
    return false;
}

void NyttSystemInst::focusChanged(QWidget* old, QWidget* now)
{
    if (restoringFocus_ || !old || !now || now->window() != this)
        return;
    if (old != Halvgard && old != Helgard && old != Rader)
        return;
    if (validateLeaving(old)) {
        restoringFocus_ = true;
        old->setFocus();
        restoringFocus_ = false;
    }
}

bool NyttSystemInst::eventFilter(QObject* watched, QEvent* event)
{
    // A press gives the focus before the control sees it. When the box's Validate has taken the
    // focus back (and beeped), the click must not happen either.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        auto* target = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (target && (focus == Halvgard || focus == Helgard) && target != focus &&
            (target->focusPolicy() & Qt::ClickFocus) && target->isEnabled())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- spin buttons

// Each repairs an invalid pair first, then steps by 1 and clamps.
void NyttSystemInst::SpinButton1_SpinDown() { spinCount(Halvgard, -1, 0, 13 - val(Helgard)); }
void NyttSystemInst::SpinButton1_SpinUp() { spinCount(Halvgard, 1, 0, 13 - val(Helgard)); }
void NyttSystemInst::SpinButton2_SpinDown() { spinCount(Helgard, -1, 0, 13 - val(Halvgard)); }
void NyttSystemInst::SpinButton2_SpinUp() { spinCount(Helgard, 1, 0, 13 - val(Halvgard)); }
void NyttSystemInst::SpinButton3_SpinDown() { spinCount(Rader, -1, 1, 10000); }
void NyttSystemInst::SpinButton3_SpinUp() { spinCount(Rader, 1, 1, 10000); }
