#pragma once
// A modeless dialog shown over the middle of its parent the first time, then where the user left it.

#include <QWidget>

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
