#include "shell/guide.h"

#include "shell/MDIForm1.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

void GuideTextBox::setText(const QString& text)
{
    // Pages join paragraphs with CR LF; show them as plain line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);
}

void GuideTextBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    Q_EMIT GotFocus();
}

guide::guide(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("guide"));
    guidetext = new GuideTextBox(this);
    guidetext->setReadOnly(true);
    guidetext->setFrameShape(QFrame::NoFrame);
    QPalette p = guidetext->palette();
    p.setColor(QPalette::Base, QColor(255, 255, 225));
    guidetext->setPalette(p);
    Command1 = new QPushButton(this);
    Command1->setGeometry(-100, -100, 10, 10);  // only there to take the focus
    connect(guidetext, &GuideTextBox::GotFocus, Command1, [this] { Command1->setFocus(); });
}

guide* guide::instance()
{
    static QPointer<guide> the;
    if (!the) {
        the = new guide;
        the->setWindowTitle(currentUiText(kUiGuideCaption));
        if (MDIForm1* main = MDIForm1::instance()) {
            QMdiSubWindow* sub = main->addChild(the);
            sub->setWindowFlags(Qt::SubWindow | Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            sub->hide();
        }
    }
    return the;
}

void guide::showPage(GuideTextId page)
{
    if (!MDIForm1::instance())
        return;
    if (guide* g = instance(); g && g->guidetext)
        g->guidetext->setText(currentGuideText(page));
}

void guide::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    guidetext->setGeometry(rect());
}
