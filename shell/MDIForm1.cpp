#include "shell/MDIForm1.h"

#include "platform/commondialog.h"
#include "platform/filelistmodel.h"
#include "platform/filenumber.h"
#include "platform/language.h"
#include "platform/paths.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/editmenu.h"
#include "shell/errorreport.h"
#include "shell/filekinds.h"
#include "shell/guide.h"
#include "shell/helpviewer.h"
#include "shell/saveas.h"
#include "shell/settings.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "shell/toolbarpictures.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

MDIForm1* theMainWindow = nullptr;

constexpr int kStripHeight = 780;  // twips
constexpr int kGuideWidth = 3200;  // twips

MdiChild* asChild(QWidget* w) { return dynamic_cast<MdiChild*>(w); }

// Empties the main window's status hint on every mouse move over the widgets it watches.
class HintClearer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove)
            if (MDIForm1* main = MDIForm1::instance())
                main->clearHint();
        return QObject::eventFilter(watched, event);
    }
};

QObject* hintClearer()
{
    static QPointer<QObject> the;
    if (!the)
        the = new HintClearer(QCoreApplication::instance());
    return the;
}

}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent)
{
    theMainWindow = this;
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Velkorin"));
    setWindowIcon(toolbarPicture(ToolbarPicture::NewFrame));
    resize(1024, 720);

    // The toolbar strip sits above the client area, across the whole width.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    strip_ = new QWidget(central);
    strip_->setFixedHeight(twips::toPixelsY(kStripHeight));
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setBackground(QColor(128, 128, 128));
    // A closed window hands the activation to the one active before it, as the user expects;
    // by creation order it would go to the guide.
    mdiArea_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    // A window partly outside the area stays within reach.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->viewport()->installEventFilter(this);
    // Scrolling moves every window in the area, the guide too: it goes back to its edge at once, also
    // when the area scrolls by itself as its size changes.
    for (QScrollBar* bar : {mdiArea_->horizontalScrollBar(), mdiArea_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &MDIForm1::keepGuideDocked);
    column->addWidget(strip_);
    column->addWidget(mdiArea_, 1);
    setCentralWidget(central);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MDIForm1::subWindowActivated);

    buildMenus();
    buildToolbar();
    clearHintOnMouseMove({mdiArea_->viewport(), SSPanel1, SSPanel2});
    setHelpViewer([](const QString& file, int command) { helpviewer::instance()->showFile(file, command); });
    setFileKindNamer([](const QString& fileName) { return fileKindOf(fileName, sprakoffset); });
}

MDIForm1::~MDIForm1()
{
    // The client area outlives this part of the object while it closes its windows.
    disconnect(mdiArea_, nullptr, this, nullptr);
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

MDIForm1* MDIForm1::instance() { return theMainWindow; }

void MDIForm1::buildMenus()
{
    auto item = [this](QMenu* menu, const QString& caption, void (MDIForm1::*handler)() = nullptr, bool enabled = true,
                    const QKeySequence& key = QKeySequence()) {
        QAction* a = menu->addAction(caption);
        a->setEnabled(enabled);
        if (!key.isEmpty())
            a->setShortcut(key);
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };

    File = menuBar()->addMenu(QStringLiteral("Arkiv"));
    NyBlankett = item(File, QStringLiteral("Skapa ny systemram"));
    laddablankett = item(File, QStringLiteral("Öppna systemram"));
    File->addSeparator();
    SparaSom = item(File, QStringLiteral("Spara som..."), &MDIForm1::sparasom_Click, false);
    Exportera = File->addMenu(QStringLiteral("Exportera"));
    SvenskaSpelStryktipset = item(Exportera, QStringLiteral("Svenska spel Stryktipset (Egna rader)"), nullptr, false);
    SvenskaspelEuropatipset = item(Exportera, QStringLiteral("Svenska spel Europatipset (Egna rader)"), nullptr, false);
    File->addSeparator();
    SkrivUt = item(File, QStringLiteral("Skriv ut"), nullptr, false);
    File->addSeparator();
    Avsluta = item(File, QStringLiteral("Avsluta Velkorin"), &MDIForm1::Avsluta_Click);

    edit = menuBar()->addMenu(QStringLiteral("Editera"));
    connect(edit, &QMenu::aboutToShow, this, &MDIForm1::edit_Click);
    klipput = item(edit, QStringLiteral("Klipp ut"), nullptr, true, QKeySequence(Qt::CTRL | Qt::Key_X));
    kopiera = item(edit, QStringLiteral("Kopiera"), nullptr, true, QKeySequence(Qt::CTRL | Qt::Key_C));
    klistrain = item(edit, QStringLiteral("Klistra in"), nullptr, true, QKeySequence(Qt::CTRL | Qt::Key_V));
    tabort = item(edit, QStringLiteral("Ta bort"), nullptr, true, QKeySequence(Qt::Key_Delete));
    edit->addSeparator();
    gatillmenu = item(edit, QStringLiteral("Gå till ..."));
    bytut = item(edit, QStringLiteral("Byt ut"));

    installningar = menuBar()->addMenu(QStringLiteral("Inställningar"));
    printer = item(installningar, QStringLiteral("Skrivar Inställningar"));
    installningar->addSeparator();
    Finska = item(installningar, QStringLiteral("Suomeksi"));
    Svenska = item(installningar, QStringLiteral("Svenska"));
    // A click sets no mark by itself (Qt toggles a checkable item first): the handlers set the marks.
    for (const auto& [action, handler] :
        {std::pair{Finska, &MDIForm1::Finska_Click}, std::pair{Svenska, &MDIForm1::Svenska_Click}}) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, a = action, h = handler](bool checked) {
            a->setChecked(!checked);
            (this->*h)();
        });
    }

    verktyg = menuBar()->addMenu(QStringLiteral("Verktyg"));
    NyttSystem = item(verktyg, QStringLiteral("Skapa nytt system"));
    OppnaSystem = item(verktyg, QStringLiteral("Editera system"));
    verktyg->addSeparator();
    sok = item(verktyg, QStringLiteral("Sök efter rätta rader"), nullptr, false);

    fonster = menuBar()->addMenu(QStringLiteral("Fönster"));
    ordna = item(fonster, QStringLiteral("Ordna fönster"), &MDIForm1::ordna_Click);
    ordnaico = item(fonster, QStringLiteral("Ordna iconer"), &MDIForm1::ordnaico_Click);

    helpmenu = menuBar()->addMenu(QStringLiteral("Hjälp"));
    help = item(helpmenu, QStringLiteral("Hjälpsidor"), &MDIForm1::help_Click, true, QKeySequence(Qt::Key_F1));
    guidemenu =
        item(helpmenu, QStringLiteral("Guiden"), &MDIForm1::guidemenu_Click, true, QKeySequence(Qt::CTRL | Qt::Key_G));

    const std::pair<QAction*, MainCommand> commands[] = {{NyBlankett, MainCommand::NewFrame},
        {laddablankett, MainCommand::OpenFrame}, {SkrivUt, MainCommand::Print},
        {SvenskaSpelStryktipset, MainCommand::ExportStryktipset},
        {SvenskaspelEuropatipset, MainCommand::ExportEuropatipset}, {klipput, MainCommand::Cut},
        {kopiera, MainCommand::Copy}, {klistrain, MainCommand::Paste}, {tabort, MainCommand::Delete},
        {gatillmenu, MainCommand::GoTo}, {bytut, MainCommand::Replace}, {printer, MainCommand::PrinterSettings},
        {NyttSystem, MainCommand::NewSystem}, {OppnaSystem, MainCommand::EditSystem}, {sok, MainCommand::Search}};
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, this, [this, command = command] { runCommand(command); });
}

void MDIForm1::setCommand(MainCommand command, std::function<void()> run)
{
    commands_[std::size_t(command)] = std::move(run);
}

void MDIForm1::runCommand(MainCommand command)
{
    // A copy: the command may register another one while it runs.
    const std::function<void()> run = commands_[std::size_t(command)];
    if (run)
        run();
}

void MDIForm1::setMenuCaptions()
{
    const std::pair<QMenu*, UiTextId> menus[] = {{File, kUiFileMenu}, {edit, kUiEditMenu},
        {installningar, kUiSettingsMenu}, {verktyg, kUiToolsMenu}, {fonster, kUiWindowMenu}, {helpmenu, kUiHelpMenu},
        {Exportera, kUiExportMenu}};
    for (const auto& [menu, id] : menus)
        menu->setTitle(currentUiText(id));
    const std::pair<QAction*, UiTextId> items[] = {{NyBlankett, kUiNewFrameItem}, {laddablankett, kUiOpenFrameItem},
        {SparaSom, kUiSaveAsItem}, {SkrivUt, kUiPrintItem}, {Avsluta, kUiQuitItem}, {klipput, kUiCutItem},
        {kopiera, kUiCopyItem}, {klistrain, kUiPasteItem}, {tabort, kUiDeleteItem}, {gatillmenu, kUiGoToItem},
        {bytut, kUiReplaceItem}, {printer, kUiPrinterSettingsItem}, {NyttSystem, kUiNewSystemItem},
        {OppnaSystem, kUiEditSystemItem}, {sok, kUiSearchItem}, {ordna, kUiTileItem}, {ordnaico, kUiArrangeIconsItem},
        {help, kUiHelpPagesItem}, {guidemenu, kUiGuideItem}};
    for (const auto& [action, id] : items)
        action->setText(currentUiText(id));
}

void MDIForm1::buildToolbar()
{
    SSPanel1 = new StatusPanel(strip_);
    SSPanel2 = new StatusPanel(strip_);
    SSPanel3 = new StatusPanel(strip_);
    Label1 = new Label(SSPanel3);
    Label2 = new Label(SSPanel3);

    // Each button carries its menu item's action: one enabled state, one command. The picture rides
    // on the action but shows on the button only.
    struct Button {
        ToolbarButton** slot;
        int left;
        ToolbarPicture picture;
        UiTextId hint;
        QAction* action;
    };
    const Button buttons[] = {
        {&SSRibbon1, 60, ToolbarPicture::NewFrame, kUiNewFrameHint, NyBlankett},
        {&SSRibbon4, 720, ToolbarPicture::OpenFrame, kUiOpenFrameHint, laddablankett},
        {&SSRibbon5, 1380, ToolbarPicture::Save, kUiSaveAsHint, SparaSom},
        {&SSRibbon2, 2055, ToolbarPicture::Print, kUiPrintHint, SkrivUt},
        {&SSRibbon3, 2730, ToolbarPicture::Search, kUiSearchHint, sok},
        {&SSRibbon6, 4350, ToolbarPicture::Help, kUiHelpHint, help},
        {&SSRibbon7, 5010, ToolbarPicture::Guide, kUiGuideHint, guidemenu},
    };
    for (const Button& b : buttons) {
        b.action->setIcon(toolbarPicture(b.picture));
        b.action->setIconVisibleInMenu(false);
        auto* button = new ToolbarButton(SSPanel1);  // SSPanel1 starts at the strip's corner
        button->setDefaultAction(b.action);
        button->setIconSize(QSize(32, 32));
        button->Move(b.left, 60, 690, 660);
        const UiTextId hint = b.hint;
        connect(button, &ToolbarButton::MouseMove, this,
            [this, hint](VbMouse) { setHint(currentUiText(hint), currentUiText(hint + 1)); });
        *b.slot = button;
    }
    layoutToolbar();
}

void MDIForm1::layoutToolbar()
{
    const int width = twips::fromPixelsX(strip_->width());
    SSPanel1->Move(0, 0, 5760, kStripHeight);
    SSPanel1->lower();
    SSPanel3->Move(5800, 60, 5400, 660);
    Label1->Move(90, 90, 5200, 230);
    Label2->Move(90, 350, 5200, 230);
    SSPanel2->Move(11240, 0, std::max(0, width - 11240), kStripHeight);
}

void MDIForm1::MDIForm_Load()
{
    try {
        vb::ChDir(QStringLiteral("system"));
    } catch (const VbError&) {
        // No System folder here: the dialogs still get their start folder from AppPath.
    }
    try {
        if (IniScan(QStringLiteral("Language")) == QStringLiteral("Finnish")) {
            sprakoffset = kFinnishOffset;
            Finska->setChecked(true);
            Svenska->setChecked(false);
        } else {
            sprakoffset = 0;
            Svenska->setChecked(true);
            Finska->setChecked(false);
        }
        CommonDialog1->InitDir = dialogStartFolder(IniScan(QStringLiteral("AppPath")));
        setMenuCaptions();
        guidesyns = 255;
        guide* g = guide::instance();
        g->setWindowTitle(currentUiText(kUiGuideCaption));
        dockGuide();
        g->parentWidget()->show();
        guide::showPage(kGuideWelcome);
    } catch (const VbError& e) {
        reportError(e, ErrorContext::SettingsFile);
        FileNumber::one().close();
    }
}

QMdiSubWindow* MDIForm1::addChild(QWidget* child)
{
    // The child's own size (its client area in the form's layout) decides the window's size. The window
    // has that size before the area places it, so it is placed by the size it shows.
    if (auto* document = dynamic_cast<Document*>(child))
        document->setChangeNotice([this] {
            // Not while this window is going: its children are destroyed after it.
            if (instance() == this)
                updateActions();
        });
    auto* sub = new QMdiSubWindow(mdiArea_->viewport());  // in the area, it knows its frame margins
    sub->setWidget(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->resize(child->size().grownBy(sub->contentsMargins()));
    keepInsideArea(sub);
    mdiArea_->addSubWindow(sub);
    sub->setWindowTitle(child->windowTitle());
    connect(child, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    if (child != guide::instance()) {
        sub->show();  // activates it, which may widen a frame (its coupon view)
        keepInsideArea(sub);
        mdiArea_->setActiveSubWindow(sub);
    }
    return sub;
}

void MDIForm1::keepInsideArea(QMdiSubWindow* sub) const
{
    // A window that opens maximised, like the one before it, keeps the client area's size. An area
    // not shown yet has no size to go by.
    if (sub->isMaximized() || sub->isMinimized() || !mdiArea_->isVisible())
        return;
    const QRect area(QPoint(), mdiArea_->viewport()->size());
    QRect r(sub->pos(), sub->size().boundedTo(area.size()));
    r.moveRight(std::min(r.right(), area.right()));
    r.moveBottom(std::min(r.bottom(), area.bottom()));
    r.moveTopLeft(QPoint(std::max(r.left(), 0), std::max(r.top(), 0)));
    sub->setGeometry(r);
}

QWidget* MDIForm1::activeChild() const
{
    QMdiSubWindow* sub = mdiArea_->currentSubWindow();
    return sub ? sub->widget() : nullptr;
}

Document* MDIForm1::activeDocument() const
{
    auto* document = dynamic_cast<Document*>(activeChild());
    return document && !document->isClosed() ? document : nullptr;
}

void MDIForm1::updateActions()
{
    const Document* document = activeDocument();
    aktivtyp = document ? document->kind() : DocumentKind::None;
    const MainItems on = document ? document->enabledItems() : MainItems();
    // The toolbar buttons follow their actions.
    const std::pair<QAction*, MainItem> items[] = {{SparaSom, MainItem::SaveAs}, {SkrivUt, MainItem::Print},
        {sok, MainItem::Search}, {SvenskaSpelStryktipset, MainItem::Export},
        {SvenskaspelEuropatipset, MainItem::Export}};
    for (const auto& [action, item] : items)
        action->setEnabled(on.testFlag(item));
    // The caption stays as the last document left it.
    if (document)
        SparaSom->setText(document->saveAsCaption());
}

void MDIForm1::subWindowActivated(QMdiSubWindow* window)
{
    QWidget* now = window ? window->widget() : nullptr;
    if (!now) {
        // The main window itself lost the focus: the documents keep their active state.
        if (lastActive_ &&
            mdiArea_->subWindowList().contains(qobject_cast<QMdiSubWindow*>(lastActive_->parentWidget())))
            return;
        lastActive_ = nullptr;
        return;
    }
    if (now == lastActive_)
        return;
    if (MdiChild* old = lastActive_ ? asChild(lastActive_) : nullptr)
        old->Form_Deactivate();
    lastActive_ = now;
    if (MdiChild* child = asChild(now))
        child->Form_Activate();
    updateActions();
}

bool MDIForm1::confirmDocumentClose(Document& document)
{
    const int answer = MsgBox(document.closeQuestion(), vbmsg::YesNoCancel | vbmsg::Question);
    MDIForm1* main = instance();
    if (answer == vbmsg::Yes && main) {
        // Save As works on the active document: make it this one, whoever asked to close it.
        if (auto* widget = dynamic_cast<QWidget*>(&document))
            if (auto* sub = qobject_cast<QMdiSubWindow*>(widget->parentWidget()))
                main->mdiArea_->setActiveSubWindow(sub);
        main->sparasom_Click();
    }
    return answer == vbmsg::No;
}

void MDIForm1::dockGuide()
{
    guide* g = guide::instance();
    QWidget* sub = g->parentWidget();
    if (!sub)
        return;
    const QSize client = mdiArea_->viewport()->size();
    const int width = twips::toPixelsX(kGuideWidth);
    guideDocked_ = true;
    sub->setGeometry(client.width() - width, 0, width, client.height());
}

void MDIForm1::keepGuideDocked()
{
    if (guideDocked_)
        dockGuide();
}

void MDIForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layoutToolbar();
    dockGuide();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea_->viewport() && event->type() == QEvent::Resize)
        keepGuideDocked();
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::setHint(const QString& line1, const QString& line2)
{
    Label1->setCaption(line1);
    Label2->setCaption(line2);
}

void MDIForm1::clearHintOnMouseMove(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
            w = area->viewport();  // the moves over a scroll area's contents arrive at its viewport
        w->setMouseTracking(true);
        w->installEventFilter(hintClearer());
    }
}

void MDIForm1::SetEnabled(bool enabled)
{
    // Disabling the client area takes the focus out of it; when it comes back, the area would hand
    // the activation to the first window that takes the focus (often the guide). The window that
    // was active before the lock gets it back, with the focus where the lock found it.
    if (!enabled && enabled_) {
        activeBeforeLock_ = mdiArea_->currentSubWindow();
        focusBeforeLock_ = focusWidget();
    }
    enabled_ = enabled;
    menuBar()->setEnabled(enabled);
    // The buttons go dark; the hint panel stays readable.
    SSPanel1->setEnabled(enabled);
    SSPanel2->setEnabled(enabled);
    mdiArea_->setEnabled(enabled);
    if (enabled && activeBeforeLock_) {
        QMdiSubWindow* sub = activeBeforeLock_;
        QWidget* focus = focusBeforeLock_;
        activeBeforeLock_ = nullptr;
        focusBeforeLock_ = nullptr;
        if (mdiArea_->subWindowList().contains(sub) && sub->isVisible()) {
            mdiArea_->setActiveSubWindow(sub);
            if (!focus || !sub->isAncestorOf(focus))
                focus = sub->widget() ? sub->widget()->focusWidget() : nullptr;
            if (focus)
                focus->setFocus();
            else
                sub->setFocus();
        }
    }
}

void MDIForm1::NyBlankett_Click() { runCommand(MainCommand::NewFrame); }

void MDIForm1::laddablankett_Click() { runCommand(MainCommand::OpenFrame); }

void MDIForm1::sparasom_Click()
{
    try {
        if (!activeChild())
            throw VbError(vberr::ObjectNotSet);
        // Another child window (the guide) has nothing to save.
        if (Document* document = activeDocument())
            document->saveAs(*CommonDialog1);
    } catch (const SaveDeclined&) {
        saveAbortPath(sparafel, nullptr);
    } catch (const VbError& e) {
        saveAbortPath(sparafel, &e);
    }
}

void MDIForm1::SkrivUt_Click() { runCommand(MainCommand::Print); }

void MDIForm1::Avsluta_Click() { close(); }

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // A locked main window cannot be closed: a long computation may be running inside a document.
    if (!enabled_) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        if (sub->widget() == guide::instance())
            continue;
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    QApplication::quit();
}

void MDIForm1::ordna_Click()
{
    // Cascade by one title bar, each window at its own size (the forms have no layout for the area's
    // own cascade to size them by), in stacking order so the active window ends on top. A window
    // that would reach past the area starts a new cascade at the top left. The shown guide is one of
    // the windows: it leaves its dock until the main window is resized or the guide toggle shows it.
    const QSize area = mdiArea_->viewport()->size();
    QPoint at;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->isVisible() || sub->isMinimized())
            continue;
        if (sub->widget() == guide::instance())
            guideDocked_ = false;
        if (sub->isMaximized())
            sub->showNormal();
        if (at != QPoint() && (at.x() + sub->width() > area.width() || at.y() + sub->height() > area.height()))
            at = QPoint();
        sub->move(at);
        sub->raise();
        const int step = sub->contentsMargins().top();
        at += QPoint(step, step);
    }
}

void MDIForm1::ordnaico_Click()
{
    // Minimised windows in rows along the bottom of the client area, left to right, then upwards. The
    // shown guide takes part as the window the icons make room for: the rows keep to the wider side of
    // the guide, docked at the right edge or cascaded at the left, unless that side is too narrow for
    // an icon.
    const QSize area = mdiArea_->viewport()->size();
    QList<QMdiSubWindow*> icons;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        if (sub->isMinimized() && sub->isVisible())
            icons.append(sub);
    if (icons.isEmpty())
        return;
    const QSize icon = icons.first()->size();
    int left = 0;
    int right = area.width();
    if (const QWidget* g = guide::instance()->parentWidget(); g && g->isVisible()) {
        const QRect bottomRow(0, area.height() - icon.height(), area.width(), icon.height());
        const QRect covered = g->geometry().intersected(bottomRow);
        if (!covered.isEmpty()) {
            const int before = covered.left();
            const int after = area.width() - covered.right() - 1;
            if (std::max(before, after) >= icon.width()) {
                left = before >= after ? 0 : covered.right() + 1;
                right = before >= after ? before : area.width();
            }
        }
    }
    int x = left;
    int bottom = area.height();
    for (QMdiSubWindow* sub : icons) {
        if (x > left && x + sub->width() > right) {
            x = left;
            bottom -= sub->height();
        }
        sub->move(x, bottom - sub->height());
        sub->raise();  // in front of the documents, as icons are
        x += sub->width();
    }
}

void MDIForm1::help_Click()
{
    try {
        const QString appPath = IniScan(QStringLiteral("AppPath"));
        CommonDialog1->HelpFile = helpFilePath(appPath, sprakoffset);
        CommonDialog1->HelpCommand = 3;
        CommonDialog1->ShowHelp();
    } catch (const VbError& e) {
        FileNumber::one().close();
        // Only a missing AppPath has a message of its own here; even 55 is an unexpected error.
        if (e.number() == vberr::InputPastEnd)
            MsgBox(currentMessageText(kMsgNoAppPath), vbmsg::Exclamation);
        else
            reportUnexpectedError(e.number());
    }
}

void MDIForm1::guidemenu_Click()
{
    guide* g = guide::instance();
    QWidget* sub = g->parentWidget();
    if (guidesyns < 255) {
        dockGuide();
        guidesyns = 255;
        if (sub)
            sub->show();
    } else {
        if (sub)
            sub->hide();
        guidesyns = 0;
    }
}

void MDIForm1::Finska_Click() { switchLanguage(QStringLiteral("Language=Finnish"), true); }
void MDIForm1::Svenska_Click() { switchLanguage(QStringLiteral("Language=Swedish"), false); }

void MDIForm1::switchLanguage(const QString& item, bool finnish)
{
    // A switch that fails leaves the marks saying what the file still says.
    const bool wasFinnish = Finska->isChecked();
    const bool wasSwedish = Svenska->isChecked();
    try {
        MsgBox(currentMessageText(kMsgRestartForLanguage), vbmsg::Exclamation);
        Finska->setChecked(finnish);
        Svenska->setChecked(!finnish);
        writeLanguageItem(item);
    } catch (const VbError& e) {
        FileNumber::one().close();
        Finska->setChecked(wasFinnish);
        Svenska->setChecked(wasSwedish);
        reportError(e);
    }
}

// ---------------------------------------------------------------- edit menu

void MDIForm1::edit_Click() { editmenu::edit_Click(*this); }
void MDIForm1::klipput_Click() { runCommand(MainCommand::Cut); }
void MDIForm1::kopiera_Click() { runCommand(MainCommand::Copy); }
void MDIForm1::klistrain_Click() { runCommand(MainCommand::Paste); }
void MDIForm1::tabort_Click() { runCommand(MainCommand::Delete); }
void MDIForm1::gatillmenu_Click() { runCommand(MainCommand::GoTo); }
void MDIForm1::bytut_Click() { runCommand(MainCommand::Replace); }
