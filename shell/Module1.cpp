#include "shell/Module1.h"

#include "shell/MDIForm1.h"
#include "shell/frmSplash.h"
#include "shell/texts/texts.h"

#include <QApplication>
#include <QFont>
#include <chrono>

std::int16_t sprakoffset = 0;

QString uiText(int id) { return UIText(id + sprakoffset); }
QString messageText(int id) { return MessageText(id + sprakoffset); }
QString guideText(int id) { return GuideText(id + sprakoffset); }

namespace Module1 {

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
    // The old windows were laid out in twips for an 8-point system font.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    auto* splash = new frmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    splashWait();

    MDIForm1 main;
    registerCommands(main);
    main.MDIForm_Load();
    main.show();
    delete splash;
    return QApplication::exec();
}

}  // namespace Module1
