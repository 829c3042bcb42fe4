// Every test program starts here: an offscreen QApplication, so windows can be made and driven, in
// a home of its own, on a machine that seems to have no printer, so every print goes to a PDF file
// or a recording context.

#include "platform/prnshw.h"
#include "support/isolation.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testsupport::isolateFromMachine();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prnshw::setInstalledPrinters([] { return prnshw::InstalledPrinters{}; });
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Windows a test left open (the program's own singletons among them) go before the application.
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (const QPointer<QWidget>& w : QList<QPointer<QWidget>>(tops.begin(), tops.end()))
        if (w && !w->parentWidget())
            delete w.data();
    return result;
}
