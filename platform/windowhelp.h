#pragma once
// The program's one-of-a-kind dialogs: made and loaded on first use, shown over the middle of their
// parent the first time, then where the user left them.

#include <QPointer>
#include <QWidget>

// The one dialog kept in `the`: made by make() and loaded (Form_Load) when there is none yet, also
// after the last one has been destroyed.
template <class Dialog, class Make>
Dialog* loadedDialog(QPointer<Dialog>& the, Make make)
{
    if (!the) {
        the = make();
        the->Form_Load();
    }
    return the;
}

// placed is the dialog's own flag, set at the first showing.
inline void showDialogWindow(QWidget* dialog, bool& placed)
{
    if (!placed) {
        placed = true;
        if (QWidget* parent = dialog->parentWidget())
            dialog->move(parent->geometry().center() - dialog->rect().center());
    }
    dialog->show();
    dialog->raise();
    if (!dialog->testAttribute(Qt::WA_ShowWithoutActivating))
        dialog->activateWindow();
}
