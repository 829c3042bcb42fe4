#include "shell/lockingdialog.h"

#include "platform/twips.h"
#include "platform/windowhelp.h"
#include "shell/MDIForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>

namespace {

// The main window takes the activation back when it is usable and the window that had it (a
// locking window) has gone; a window still shown keeps it.
void giveActivationBack(const QWidget* leaving)
{
    MDIForm1* main = MDIForm1::instance();
    if (!main || !main->Enabled() || !main->isVisible())
        return;
    const QWidget* active = QApplication::activeWindow();
    if (!active || active == leaving || !active->isVisible())
        main->activateWindow();
}

}  // namespace

LockingDialog::LockingDialog()
    : QWidget(
          MDIForm1::instance(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    // A window of its own that never keeps the program running once the main window has gone.
    setAttribute(Qt::WA_QuitOnClose, false);
}

LockingDialog::LockingDialog(int widthTwips, int heightTwips) : LockingDialog()
{
    setFixedSize(twips::toPixelsX(widthTwips), twips::toPixelsY(heightTwips));
}

LockingDialog::~LockingDialog() { lockMainWindow(false); }

void LockingDialog::lockMainWindow(bool locked)
{
    MDIForm1* main = MDIForm1::instance();
    if (!main)
        return;
    main->SetEnabled(!locked);
    if (!locked)
        giveActivationBack(nullptr);
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
    Form_Unload();
    lockMainWindow(false);
    event->accept();
}

void LockingDialog::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        giveActivationBack(this);
}
