#pragma once
// The splash window shown while the program starts.

#include <QWidget>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    QLabel* Picture1 = nullptr;

    // The 320 x 120 splash picture, drawn here.
    static QPixmap picture();
};
