#include "shell/Module1.h"

#include <QApplication>
#include <QMainWindow>

namespace Module1 {

int Main()
{
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Velkorin"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}

}  // namespace Module1
