#include "printing/printruta.h"

#include "platform/controls.h"
#include "platform/prnshw.h"
#include "platform/vberror.h"
#include "platform/windowhelp.h"
#include "shell/errorreport.h"
#include "shell/guide.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QEvent>
#include <QPointer>
#include <utility>

namespace {

QPointer<printruta> theDialog;

}  // namespace

printruta* printruta::instance()
{
    return loadedDialog(theDialog, [] { return new printruta; });
}

bool printruta::exists() { return !theDialog.isNull(); }

PrintChoices printruta::currentChoices() { return theDialog ? theDialog->choices() : PrintChoices{}; }

printruta::printruta()
{
    setObjectName(QStringLiteral("printruta"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
}

printruta::~printruta()
{
    Form_Terminate();
    delete skrivoption;
    delete orient;
}

void printruta::buildControls()
{
    // The client area: the buttons' row with the same margin below it as the frames have above.
    setFixedSize(twips::toPixelsX(4935), twips::toPixelsY(3255));
    Frame2 = make<Frame>(this, 120, 120, 4695, 1095);
    skrivoption = new OptionArray(Frame2, 2);
    (*skrivoption)[0]->Move(180, 300, 2400, 255);
    (*skrivoption)[1]->Move(180, 660, 975, 255);
    fran = make<TextBox>(Frame2, 1200, 630, 855, 315);
    Label1 = make<Label>(Frame2, 2160, 675, 720, 255);
    Label1->setVbAlignment(2);
    till = make<TextBox>(Frame2, 2985, 630, 855, 315);

    Frame3 = make<Frame>(this, 120, 1335, 2280, 1095);
    orient = new OptionArray(Frame3, 2);
    (*orient)[0]->Move(180, 300, 1935, 255);
    (*orient)[1]->Move(180, 660, 1935, 255);

    Frame1 = make<Frame>(this, 2535, 1335, 2280, 1095);
    for (std::size_t i = 0; i < joker.size(); ++i) {
        joker[i] = make<CheckBox>(Frame1, 180, 300 + static_cast<int>(i) * 360, 1935, 255);
        joker[i]->Index = static_cast<int>(i);
    }

    // The buttons' row.
    const std::pair<CommandButton**, int> buttons[] = {{&skrivare, 120}, {&ok, 1860}, {&avbryt, 3360}};
    for (const auto& [button, left] : buttons)
        *button = make<CommandButton>(this, left, 2640, 1455, 375);

    // The starting values: all coupons, straight, no jokers, empty range.
    (*skrivoption)[0]->setValue(true);
    (*orient)[0]->setValue(true);

    connect(skrivare, &CommandButton::Click, this, &printruta::skrivare_Click);
    connect(ok, &CommandButton::Click, this, &printruta::ok_Click);
    connect(avbryt, &CommandButton::Click, this, &printruta::avbryt_Click);
}

PrintChoices printruta::choices() const
{
    PrintChoices c;
    c.straight = (*orient)[0]->Value();
    c.range = (*skrivoption)[1]->Value();
    c.fran = fran->Text();
    c.till = till->Text();
    c.joker1 = joker[0]->Value() == 1;
    c.joker2 = joker[1]->Value() == 1;
    return c;
}

void printruta::showDialog(const QString& documentName, PrintAction print)
{
    prnshw::setDocumentName(documentName);
    print_ = std::move(print);
    showDialog();
}

// ---------------------------------------------------------------- window events

void printruta::Form_Load()
{
    InitPSD();
    lockMainWindow(true);
    avbryt->setCaption(currentUiText(kUiCancel));
    Frame1->setCaption(currentUiText(kUiJoker));
    Frame2->setCaption(currentUiText(kUiPrintFrame));
    Frame3->setCaption(currentUiText(kUiCouponOrientation));
    joker[0]->setCaption(currentUiText(kUiJoker1));
    joker[1]->setCaption(currentUiText(kUiJoker2));
    Label1->setCaption(currentUiText(kUiPrintTo));
    ok->setCaption(currentUiText(kUiPrintButton));
    (*orient)[0]->setCaption(currentUiText(kUiUpright));
    (*orient)[1]->setCaption(currentUiText(kUiUpsideDown));
    setWindowTitle(currentUiText(kUiPrintButton));
    skrivare->setCaption(currentUiText(kUiPrinterButton));
    (*skrivoption)[0]->setCaption(currentUiText(kUiAllCoupons));
    (*skrivoption)[1]->setCaption(currentUiText(kUiPrintFrom));
}

void printruta::Form_Activate()
{
    lockMainWindow(true);
    guide::showPage(kGuidePrint);
    for (OptionButton* b : *skrivoption)
        b->setEnabled(true);
    fran->setEnabled(true);
    till->setEnabled(true);
}

void printruta::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        Form_Activate();
}

void printruta::skrivare_Click()
{
    // A print file that may not be written is refused before anything opens it.
    try {
        ShowPSD();
    } catch (const VbError& e) {
        reportUnexpectedError(e.number());
    }
}

void printruta::ok_Click()
{
    release();
    // The print reports its own failures; nothing here may stop the dialog from closing.
    try {
        if (print_)
            print_();
    } catch (...) {
    }
}

void printruta::avbryt_Click() { release(); }

void printruta::Form_Unload()
{
    lockMainWindow(false);
    FreePSD();
}

void printruta::Form_Terminate()
{
    lockMainWindow(false);
    FreePSD();
}
