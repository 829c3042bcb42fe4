#pragma once
// The main window: menus, toolbar with its two-line hints, the client area that holds every frame,
// system and child window, the docked guide, and the public members the windows talk through.
// It knows documents only through the Document interface: the libraries above it register the
// commands that make or act on documents (setCommand), and it sets its items from the active
// document (updateActions).

#include "platform/commondialog.h"
#include "platform/controls.h"
#include "shell/document.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The commands of menu items and toolbar buttons that the main window does not carry out itself.
// A command nobody registered does nothing.
enum class MainCommand {
    NewFrame,
    OpenFrame,
    Print,
    ExportStryktipset,
    ExportEuropatipset,
    Cut,
    Copy,
    Paste,
    Delete,
    GoTo,
    Replace,
    PrinterSettings,
    NewSystem,
    EditSystem,
    Search,
    Count
};

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The program's one main window (its global name); nullptr before it is made.
    static MDIForm1* instance();

    // Public members.
    QString anvandsystem;  // system file for System 1 of the next new frame
    bool sparafel = false;  // the last Save As or export wrote nothing
    DocumentKind aktivtyp = DocumentKind::None;  // the active document's kind, set by updateActions
    std::uint8_t guidesyns = 0;  // 255 while the guide is shown

    // Load handler: language, dialog start folder, captions, guide.
    void MDIForm_Load();

    // What a menu item or toolbar button of the command runs.
    void setCommand(MainCommand command, std::function<void()> run);
    void runCommand(MainCommand command);
    // Sets every document item and aktivtyp from the active document.
    void updateActions();

    // Commands.
    void NyBlankett_Click();
    void laddablankett_Click();
    void sparasom_Click();
    void SkrivUt_Click();
    void Avsluta_Click();
    void ordna_Click();
    void ordnaico_Click();
    void help_Click();
    void guidemenu_Click();
    void Finska_Click();
    void Svenska_Click();
    // The edit menu: its items set as it opens (shell/editmenu.cpp), its commands.
    void edit_Click();
    void klipput_Click();
    void kopiera_Click();
    void klistrain_Click();
    void tabort_Click();
    void gatillmenu_Click();
    void bytut_Click();

    // The Enabled property: False disables menus, toolbar and every window in the client area,
    // never the separate top-level windows (progress window, dialogs).
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Puts a window into the client area and shows it.
    QMdiSubWindow* addChild(QWidget* child);
    // The active document or child window (its widget), nullptr when none.
    QWidget* activeChild() const;
    // The active child when it is a document that has not been closed, else nullptr.
    Document* activeDocument() const;
    QMdiArea* mdiArea() const { return mdiArea_; }
    // The close prompt of a document with unsaved changes (its closeQuestion: Yes/No/Cancel). Yes runs
    // Save As on that document and keeps it open, Cancel keeps it open; returns true when it may close.
    static bool confirmDocumentClose(Document& document);
    // Places the guide at the right edge of the client area (shown or not); it stays docked there, also as
    // the area scrolls or its scroll bars come and go, until the cascade moves it.
    void dockGuide();

    // Status hint.
    void setHint(const QString& line1, const QString& line2);
    void clearHint() { setHint(QString(), QString()); }
    // A mouse move over any of these widgets empties the hint: the background of this window and of
    // most other windows, and the controls of theirs that take the moves (a grid: its cells). One
    // event filter serves them all; it finds the main window when the move comes.
    static void clearHintOnMouseMove(std::initializer_list<QWidget*> widgets);

    // Menus and items the documents switch.
    QMenu* File = nullptr;
    QAction* NyBlankett = nullptr;
    QAction* laddablankett = nullptr;
    QAction* SparaSom = nullptr;
    QMenu* Exportera = nullptr;
    QAction* SvenskaSpelStryktipset = nullptr;
    QAction* SvenskaspelEuropatipset = nullptr;
    QAction* SkrivUt = nullptr;
    QAction* Avsluta = nullptr;
    QMenu* edit = nullptr;
    QAction* klipput = nullptr;
    QAction* kopiera = nullptr;
    QAction* klistrain = nullptr;
    QAction* tabort = nullptr;
    QAction* gatillmenu = nullptr;
    QAction* bytut = nullptr;
    QMenu* installningar = nullptr;
    QAction* printer = nullptr;
    QAction* Finska = nullptr;
    QAction* Svenska = nullptr;
    QMenu* verktyg = nullptr;
    QAction* NyttSystem = nullptr;
    QAction* OppnaSystem = nullptr;
    QAction* sok = nullptr;
    QMenu* fonster = nullptr;
    QAction* ordna = nullptr;
    QAction* ordnaico = nullptr;
    QMenu* helpmenu = nullptr;
    QAction* help = nullptr;
    QAction* guidemenu = nullptr;

    ToolbarButton* SSRibbon1 = nullptr;  // new frame
    ToolbarButton* SSRibbon2 = nullptr;  // print
    ToolbarButton* SSRibbon3 = nullptr;  // search
    ToolbarButton* SSRibbon4 = nullptr;  // open frame
    ToolbarButton* SSRibbon5 = nullptr;  // save as
    ToolbarButton* SSRibbon6 = nullptr;  // help
    ToolbarButton* SSRibbon7 = nullptr;  // guide
    StatusPanel* SSPanel1 = nullptr;
    StatusPanel* SSPanel2 = nullptr;
    StatusPanel* SSPanel3 = nullptr;
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    const std::unique_ptr<CommonDialog> CommonDialog1 = std::make_unique<CommonDialog>();

    // Frames opened in this run; gives the running number of "Namnlös".
    std::int32_t ramnummer = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void setMenuCaptions();
    void layoutToolbar();
    void switchLanguage(const QString& item, bool finnish);
    void subWindowActivated(QMdiSubWindow* window);
    // Moves a window that is not maximised or minimised fully into the client area, no larger than it.
    void keepInsideArea(QMdiSubWindow* sub) const;
    // Docks the guide again after the area scrolled or changed its size, unless the cascade has moved it.
    void keepGuideDocked();

    std::array<std::function<void()>, std::size_t(MainCommand::Count)> commands_;

    QMdiArea* mdiArea_ = nullptr;
    QWidget* strip_ = nullptr;
    QPointer<QWidget> lastActive_;
    QPointer<QMdiSubWindow> activeBeforeLock_;  // given the activation back when the lock ends
    QPointer<QWidget> focusBeforeLock_;  // and the focus, when it is still inside that window
    bool enabled_ = true;
    bool guideDocked_ = true;  // false from a cascade until the next resize or the guide toggle shows it
};
