#include "shell/lockingdialog.h"

#include "platform/twips.h"
#include "shell/MDIForm1.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

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
    if (!placed_) {
        placed_ = true;
        if (QWidget* main = parentWidget())
            move(main->geometry().center() - rect().center());
    }
    if (MDIForm1* main = MDIForm1::instance(); main && !isVisible()) {
        document_ = main->mdiArea()->currentSubWindow();
        focus_ = document_ && document_->widget() ? document_->widget()->focusWidget() : nullptr;
    }
    show();
    raise();
    activateWindow();
    Form_Activate();
}

void LockingDialog::release()
{
    lockMainWindow(false);
    hide();
    returnToDocument();
}

void LockingDialog::returnToDocument()
{
    MDIForm1* main = MDIForm1::instance();
    if (!main || !document_)
        return;
    main->activateWindow();
    main->mdiArea()->setActiveSubWindow(document_);
    if (focus_)
        focus_->setFocus();
}

void LockingDialog::closeEvent(QCloseEvent* event)
{
    // Kept for the next use, as OK and Avbryt keep it.
    lockMainWindow(false);
    event->accept();
    returnToDocument();
}
