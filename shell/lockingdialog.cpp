#include "shell/lockingdialog.h"

#include "platform/twips.h"
#include "platform/windowhelp.h"
#include "shell/MDIForm1.h"

#include <QCloseEvent>

LockingDialog::LockingDialog(int widthTwips, int heightTwips)
    : QWidget(
          MDIForm1::instance(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(twips::toPixelsX(widthTwips), twips::toPixelsY(heightTwips));
}

LockingDialog::~LockingDialog() { lockMainWindow(false); }

void LockingDialog::lockMainWindow(bool locked)
{
    if (MDIForm1* main = MDIForm1::instance())
        main->SetEnabled(!locked);
}

void LockingDialog::showDialog()
{
    showDialogWindow(this, placed_);
    Form_Activate();
}

void LockingDialog::release()
{
    lockMainWindow(false);
    hide();
}

void LockingDialog::closeEvent(QCloseEvent* event)
{
    // Kept for the next use, as OK and Avbryt keep it.
    lockMainWindow(false);
    event->accept();
}
