#pragma once
// Every window that locks the main window: go-to, replace, the print dialog, the correct-row search
// and the progress window. Each is a top-level dialog owned by the main window, so the window manager
// keeps it above the main window (a click on the disabled main window never buries it). While a
// window holds the lock the main window is disabled, and an activation of the main window (a click
// on it) is handed on to the locking window that is up, as a modal dialog's owner does; releasing
// the lock enables it again and gives it back the activation. Closing the window always releases the
// lock, and so does its destruction.

#include <QWidget>

class LockingDialog : public QWidget {
    Q_OBJECT
public:
    ~LockingDialog() override;  // Terminate: releases the lock

    // The lock itself, the main window's enabled state, shared by the long computations. Releasing
    // it enables the main window, which a running computation takes as its cancel.
    static void lockMainWindow(bool locked);

    // Show: the first time over the middle of the main window, then Activate.
    void showDialog();
    virtual void Form_Activate() { }

protected:
    // A dialog of the main window, widthTwips x heightTwips inside.
    LockingDialog(int widthTwips, int heightTwips);
    // One that sets its own size.
    LockingDialog();

    // OK and Avbryt: the main window enabled again, the dialog hidden and kept.
    void release();
    // Unload by the close box or the window manager: Form_Unload, then the lock released.
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload() { }
    // Shown: the window that a locked main window hands its activation to.
    void showEvent(QShowEvent* event) override;
    // Hidden while the main window is usable: the main window takes the activation back.
    void hideEvent(QHideEvent* event) override;

private:
    bool placed_ = false;
};
