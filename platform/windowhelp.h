#pragma once
// Small helpers the dialog windows share: a control made at a twips rectangle, and a modeless
// dialog shown over the middle of its parent the first time, then where the user left it.

#include "platform/twips.h"

#include <QWidget>

template <class T>
T* makeControl(QWidget* parent, int left, int top, int width, int height)
{
    auto* w = new T(parent);
    twips::move(w, left, top, width, height);
    return w;
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
    dialog->activateWindow();
}
