#include "shell/Gatill.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/userinterface.h"
#include "platform/windowhelp.h"
#include "shell/MDIForm1.h"
#include "shell/document.h"
#include "shell/editcommands.h"
#include "shell/editmenu.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QPointer>

namespace {

QPointer<Gatill> theDialog;

constexpr int kKeyEnter = 13;

}  // namespace

Gatill* Gatill::instance()
{
    return loadedDialog(theDialog, [] { return new Gatill; });
}

QString Gatill::number() { return theDialog ? theDialog->Text1->Text() : QString(); }

Gatill::Gatill() : LockingDialog(3210, 1560)
{
    setObjectName(QStringLiteral("Gatill"));
    Label1 = new Label(this);
    Label1->Move(240, 180, 2730, 255);
    Text1 = new TextBox(this);
    Text1->Move(240, 480, 2730, 315);
    ok = new CommandButton(this);
    ok->Move(240, 990, 1275, 375);
    avbryt = new CommandButton(this);
    avbryt->Move(1695, 990, 1275, 375);
    connect(ok, &CommandButton::Click, this, &Gatill::ok_Click);
    connect(avbryt, &CommandButton::Click, this, &Gatill::avbryt_Click);
    avbryt->setCancel(true);
    connect(Text1, &TextBox::KeyPress, this, &Gatill::Text1_KeyPress);
}

void Gatill::Form_Load()
{
    setWindowTitle(currentUiText(kUiGoToItem));
    avbryt->setCaption(currentUiText(kUiCancel));
    ok->setCaption(currentUiText(kUiOK));
    setPrompt();
}

void Gatill::Form_Activate()
{
    setPrompt();
    lockMainWindow(true);
    Text1->setFocus();
}

void Gatill::setPrompt()
{
    const MDIForm1* main = MDIForm1::instance();
    Label1->setCaption(currentUiText(main && main->aktivtyp == DocumentKind::Frame ? kUiGoToCoupon : kUiGoToRow));
}

void Gatill::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == kKeyEnter)
        ok_Click();
}

void Gatill::ok_Click()
{
    release();
    Document* doc = activeEditDocument().document;
    if (!doc)
        return;
    Grid* rows = doc->rowsGrid();
    if (!rows) {
        doc->goToCoupon(Text1->Text());
        return;
    }
    const editcommands::RowJump jump = editcommands::jumpToRow(Text1->Text(), rows->Cols());
    if (!jump.exists) {
        MsgBox(currentMessageText(kMsgNoSuchRow), vbmsg::Exclamation);
        return;
    }
    Text1->setText(jump.boxText);
    rows->setLeftCol(jump.leftCol);
}
