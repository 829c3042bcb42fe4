#include "shell/lockingdialog.h"

#include "platform/twips.h"
#include "platform/windowhelp.h"
#include "shell/MDIForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QPointer>
#include <QShowEvent>

#include <algorithm>
#include <vector>

namespace {

// The locking windows that are up, in the order they were shown.
std::vector<QPointer<LockingDialog>>& shown()
{
    static std::vector<QPointer<LockingDialog>> the;
    return the;
}

void forget(const LockingDialog* dialog)
{
    std::erase_if(shown(), [dialog](const QPointer<LockingDialog>& d) { return !d || d == dialog; });
}

// Hands an activation of the locked main window on to the locking window shown last. A message box
// over them keeps it: the application hands it to the box.
class ActivationForwarder final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && watched == MDIForm1::instance() &&
            !MDIForm1::instance()->Enabled() && !QApplication::activeModalWidget() && !shown().empty()) {
            LockingDialog* up = shown().back();
            up->raise();
            up->activateWindow();
        }
        return QObject::eventFilter(watched, event);
    }
};

void forwardActivationOf(MDIForm1* main)
{
    static QPointer<QObject> forwarder;
    if (!forwarder)
        forwarder = new ActivationForwarder(QCoreApplication::instance());
    main->installEventFilter(forwarder);  // once: a second install only moves it to the front
}

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
    if (MDIForm1* main = MDIForm1::instance())
        forwardActivationOf(main);
}

LockingDialog::LockingDialog(int widthTwips, int heightTwips) : LockingDialog()
{
    setFixedSize(twips::toPixelsX(widthTwips), twips::toPixelsY(heightTwips));
}

LockingDialog::~LockingDialog()
{
    forget(this);
    lockMainWindow(false);
}

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

void LockingDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    forget(this);
    shown().emplace_back(this);
}

void LockingDialog::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        forget(this);
        giveActivationBack(this);
    }
}
