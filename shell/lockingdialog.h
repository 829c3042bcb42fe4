#pragma once
// A small single-instance dialog of the main window, shown without waiting, that keeps the main
// window disabled while it is up: its OK and Avbryt release it, and so does closing it.

#include <QWidget>

class LockingDialog : public QWidget {
    Q_OBJECT
public:
    // A dialog of the main window, widthTwips x heightTwips inside.
    LockingDialog(int widthTwips, int heightTwips);
    ~LockingDialog() override;  // Terminate

    // Show: the first time over the middle of the main window, then Activate.
    void showDialog();
    virtual void Form_Activate() = 0;

protected:
    static void lockMainWindow(bool locked);
    // OK and Avbryt: the main window enabled again, the dialog hidden and kept.
    void release();
    void closeEvent(QCloseEvent* event) override;  // Unload

private:
    bool placed_ = false;
};
