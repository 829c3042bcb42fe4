#include "shell/Module1.h"

#include "platform/language.h"
#include "platform/twips.h"
#include "shell/MDIForm1.h"
#include "shell/frmSplash.h"
#include "shell/qttranslations.h"

#include <QApplication>
#include <QFont>
#include <chrono>
#include <csignal>

namespace Module1 {

void prepareProcess()
{
    // A write beyond the file-size limit then fails with an error that the save reports, instead
    // of ending the program with its unsaved documents.
    std::signal(SIGXFSZ, SIG_IGN);
}

void splashWait(double seconds)
{
    // A steady clock: the wait ends on time also across midnight.
    const auto t0 = std::chrono::steady_clock::now();
    const auto wait = std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() - t0 < wait)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

int Main(const std::function<void(MDIForm1&)>& registerCommands)
{
    twips::useFormFont();
    auto* splash = new frmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    splashWait();

    MDIForm1 main;
    registerCommands(main);
    main.MDIForm_Load();
    loadQtTranslations(sprakoffset);
    main.show();
    delete splash;
    return QApplication::exec();
}

}  // namespace Module1
