#pragma once
// Qt's own dialogs driven as a person would: a step runs on the next modal window once it shows,
// a dialog's button is found by its role, and a call runs with the desktop's dialogs in place of the
// scripted user.

#include "platform/userinterface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTimer>
#include <functional>

// Runs step on the next visible modal window other than after, once it shows.
inline void onNextModal(QWidget* after, std::function<void(QWidget*)> step)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == after || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step(modal);
    });
    timer->start();
}

// The visible button of role in the window's button boxes; null when there is none.
inline QAbstractButton* buttonWithRole(QWidget* window, QDialogButtonBox::ButtonRole role)
{
    for (auto* box : window->findChildren<QDialogButtonBox*>())
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == role && b->isVisibleTo(window))
                return b;
    return nullptr;
}

// Runs show with the desktop's own dialogs, step on the first one it opens; scripted is installed
// again afterwards.
template <class Show>
auto withDesktopDialog(UserInterface& scripted, std::function<void(QWidget*)> step, Show show)
{
    UserInterface::install(nullptr);
    onNextModal(nullptr, std::move(step));
    struct Reinstall {
        UserInterface& ui;
        ~Reinstall() { UserInterface::install(&ui); }
    } reinstall{scripted};
    return show();
}
