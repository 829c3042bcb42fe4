#include "shell/helpviewer.h"

#include "platform/atomicfile.h"
#include "platform/language.h"
#include "shell/MDIForm1.h"
#include "shell/texts/texts.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

helpviewer::helpviewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpviewer"));
    resize(640, 520);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    contents_ = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == QStringLiteral("page"))
            showPage(url.path());
    });
    connect(contents_, &QPushButton::clicked, this, [this] {
        if (const HelpPage* page = file_.contents())
            showPage(page->id);
    });
}

helpviewer* helpviewer::instance()
{
    // The main window owns it (it stays a window of its own); without one the tests' tear-down does.
    static QPointer<helpviewer> the;
    if (!the)
        the = new helpviewer(MDIForm1::instance());
    return the;
}

void helpviewer::showFile(const QString& path, int command)
{
    Q_UNUSED(command);  // every help call of the program asks for the contents
    contents_->setText(currentUiText(kUiHelpContents));
    QFile f(path);
    // A pipe would hold the program until something writes to it, a folder is no help file.
    if (vb::fileKindOf(path) != vb::FileKind::Regular || !f.open(QIODevice::ReadOnly)) {
        file_ = HelpFile{};
        setWindowTitle(QStringLiteral("Velkorin"));
        browser_->setPlainText(currentUiText(kUiHelpCannotOpen) + path);
    } else {
        file_ = parseHelpFile(f.read(kMaxHelpFileBytes + 1));
        if (!file_.ok()) {
            setWindowTitle(QStringLiteral("Velkorin"));
            browser_->setPlainText(helpFileErrorText(file_, sprakoffset != 0));
        } else {
            setWindowTitle(file_.title);
            showPage(file_.contents()->id);
        }
    }
    show();
    raise();
    activateWindow();
}

void helpviewer::showPage(const QString& id)
{
    const HelpPage* page = file_.page(id);
    if (!page)
        return;
    current_ = page->id;
    browser_->setHtml(helpPageHtml(*page));
}
