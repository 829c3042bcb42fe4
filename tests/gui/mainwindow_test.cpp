// The main window driven through its handlers: start-up with good and bad settings files, captions,
// frame numbering, the docked guide, help, the language switch, the items the active document
// switches, and exit with unsaved documents.

#include "frame/Form1.h"
#include "platform/atomicfile.h"
#include "platform/commondialog.h"
#include "platform/filenumber.h"
#include "platform/twips.h"
#include "printing/printerinst.h"
#include "printing/printruta.h"
#include "shell/frmSplash.h"
#include "shell/guide.h"
#include "shell/helpviewer.h"
#include "shell/qttranslations.h"
#include "shell/settings.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/scripteduser.h"
#include "support/textof.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Each test loads the main window itself, from the settings file it has written.
class MainWindow : public MainWindowTest {
protected:
    void SetUp() override { }
    MDIForm1& load(const QByteArray& ini = QByteArray())
    {
        if (!ini.isEmpty())
            config_.writeIni(ini);
        MainWindowTest::SetUp();
        main_->MDIForm_Load();
        processEvents();
        return *main_;
    }
    QWidget* guideFrame() const { return guide::instance()->parentWidget(); }
};

constexpr char kSwedish[] = "Language=Swedish\r\nAppPath=/opt/v\r\n";

// What a start takes from the settings: language, its menu items, captions, the dialogs' start folder
// and the guide.
std::string started(const MDIForm1& w)
{
    return QStringList{QString::number(sprakoffset), QString::number(w.Finska->isChecked()),
        QString::number(w.Svenska->isChecked()), w.File->title(), w.SparaSom->text(), w.gatillmenu->text(),
        w.CommonDialog1->InitDir, QString::number(w.guidesyns)}
        .join(u'|')
        .toStdString();
}

// A settings file that is missing or lacks an item stops the start at that step with its message.
TEST_F(MainWindow, StartTakesWhatTheSettingsFileHoldsUpToTheFirstMissingItem)
{
    const struct {
        QByteArray ini;  // empty: no file
        Boxes boxes;
        const char* started;
    } cases[] = {
        {"", {{QStringLiteral("Ett oväntat fel har uppstått Error: 53"), vbmsg::Critical}},
            "0|0|0|Arkiv|Spara som...|Gå till ...||0"},
        {"AppPath=/opt/velkorin\r\n", {{MessageText(kMsgNoAppPath), vbmsg::Exclamation}},
            "0|0|0|Arkiv|Spara som...|Gå till ...||0"},
        {"Language=Finnish\r\n",
            {{MessageText(kMsgNoAppPath + kFinnishOffset), vbmsg::Exclamation}},  // already Finnish, no captions
            "10000|1|0|Arkiv|Spara som...|Gå till ...||0"},
        {"Language=Finnish\r\nAppPath=/opt/velkorin\r\n", {},
            "10000|1|0|Arkisto|Tallenna nimellä|Siirry|/opt/velkorin\\System\\|255"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini.toStdString());
        sprakoffset = 0;
        user.clear();
        QFile::remove(config_.iniPath());
        if (!c.boxes.empty())
            user.answerMessageBox(vbmsg::OK);
        EXPECT_EQ(started(load(c.ini)), c.started);
        EXPECT_EQ(boxesShown(user), c.boxes);
    }
    EXPECT_EQ(std::tuple(guideFrame()->isVisible(), guide::instance()->guidetext->Text()),
        std::tuple(true, shownGuideText(kGuideWelcome + kFinnishOffset)));
    EXPECT_EQ(newFrame().windowTitle(), QStringLiteral("Nimetön  1"));  // two blanks
}

// The menu bar as the user reads it: one line per menu, its title and then its items ("-" for a
// separator, a submenu's items in brackets, a key after the item in brackets).
QString menuWords(const MDIForm1& w)
{
    const auto itemsOf = [](const QMenu* menu, const auto& self) -> QStringList {
        QStringList items;
        for (const QAction* a : menu->actions()) {
            QString t = a->isSeparator() ? QStringLiteral("-") : a->text();
            if (a->menu())
                t += u'(' + self(a->menu(), self).join(u", ") + u')';
            if (!a->shortcut().isEmpty())
                t += u" [" + a->shortcut().toString() + u']';
            items << t;
        }
        return items;
    };
    QStringList lines;
    for (const QAction* top : w.menuBar()->actions())
        lines << (QStringList{top->menu()->title()} + itemsOf(top->menu(), itemsOf)).join(u'|');
    return lines.join(u'\n');
}

// The words are the program's own, trailing blanks included; each edit item runs its own command
// whatever the language, so the item that reads "Kopiera" copies and "Klipp ut" cuts.
TEST_F(MainWindow, MenusReadTheirOwnWordsInEachLanguageAndEachEditItemRunsItsCommand)
{
    const QString exports = QStringLiteral(
        "(Svenska spel Stryktipset (Egna rader), Svenska spel Europatipset (Egna rader))|-|");
    const std::pair<const char*, QString> cases[] = {
        {kSwedish,
            u"Arkiv|Skapa ny systemram|Öppna systemram|-|Spara som|Exportera" + exports +
                u"Skriv ut|-|Avsluta Velkorin\n"
                u"Editera|Klipp ut [Ctrl+X]|Kopiera [Ctrl+C]|Klistra in [Ctrl+V]|Ta bort [Del]|-|Gå till|Byt ut\n"
                u"Inställningar|Skrivar inställningar|-|Suomeksi|Svenska\n"
                u"Verktyg|Skapa nytt system|Editera system|-|Sök efter rätta rader\n"
                u"Fönster|Ordna fönster|Ordna iconer\n"
                u"Hjälp|Hjälpsidor [F1]|Guiden [Ctrl+G]"},
        {"Language=Finnish\r\nAppPath=/opt/v\r\n",
            u"Arkisto|Luo uusi järjestelmärunko |Avaa järjestelmärunko |-|Tallenna nimellä|Vienti" + exports +
                u"Tulosta|-|Sulje Velkorin\n"
                u"Editoi|Leikkaa [Ctrl+X]|Kopioi [Ctrl+C]|Liitä [Ctrl+V]|Poista [Del]|-|Siirry|Vaihda\n"
                u"Asetukset|Tulostin Asetukset|-|Suomeksi|Svenska\n"
                u"Työkalut |Luo uusi järjestelmä|Editoi järjestelmä |-|Etsi oikeat rivit \n"
                u"Ikkuna |Järjestä ikkuna |Järjestä ikonit \n"
                u"Ohje |Ohjesivut  [F1]|Opas  [Ctrl+G]"},
    };
    for (const auto& [ini, words] : cases) {
        SCOPED_TRACE(ini);
        MDIForm1& w = load(ini);
        EXPECT_EQ(menuWords(w), words);
        QStringList ran;
        const std::pair<MainCommand, const char*> commands[] = {{MainCommand::Cut, "cut"},
            {MainCommand::Copy, "copy"}, {MainCommand::Paste, "paste"}, {MainCommand::Delete, "delete"},
            {MainCommand::GoTo, "go to"}, {MainCommand::Replace, "replace"}};
        for (const auto& [command, name] : commands)
            w.setCommand(command, [&ran, name = name] { ran << QString::fromLatin1(name); });
        for (QAction* a : w.edit->actions()) {
            if (a->isSeparator())
                continue;
            a->setEnabled(true);
            const qsizetype before = ran.size();
            a->trigger();
            const QString command = ran.size() > before ? ran.takeAt(before) : QStringLiteral("nothing");
            ran << a->text() + u": " + command;
        }
        EXPECT_EQ(ran.join(u'|'), sprakoffset == 0
                ? u"Klipp ut: cut|Kopiera: copy|Klistra in: paste|Ta bort: delete|Gå till: go to|Byt ut: replace"
                : u"Leikkaa: cut|Kopioi: copy|Liitä: paste|Poista: delete|Siirry: go to|Vaihda: replace");
    }
}

TEST(StartUp, SplashIsNoTopmostWindowSoAStartUpMessageCanStandInFrontAndQtsOwnTextsSpeakTheRunningLanguage)
{
    frmSplash splash;
    EXPECT_FALSE(splash.windowFlags() & (Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint));
    // Debian's qt6-translations-l10n: the scripts install it.
    ASSERT_TRUE(loadQtTranslations(10000));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), u"Tiedosto&nimi:");
    // Qt 6 has no Swedish catalogue of its own; Qt 5's speaks for its file and print dialogs (every
    // word of which the Qt dialog tests check).
    ASSERT_TRUE(loadQtTranslations(0));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), u"Fil&namn:");
    unloadQtTranslations();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), u"File &name:");
}

// Without a configuration folder the settings file is read, and a language switch written, in the
// System folder; the switch keeps the running language.
TEST_F(MainWindow, WithoutAConfigurationFolderTheSettingsFileIsInTheSystemFolderAndTheLanguageSwitchWritesIt)
{
    EnvGuard home("HOME");  // the fixture puts XDG_CONFIG_HOME back
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkdir(QStringLiteral("System")));
    const QString ini = program.path() + QStringLiteral("/System/VELKORIN.INI");
    writeFileBytes(ini, kSwedish);
    ASSERT_TRUE(QDir::setCurrent(program.path()));  // the fixture puts the old folder back
    MDIForm1& w = load();
    EXPECT_EQ(started(w).substr(0, 11), "0|0|1|Arkiv");  // and no message: the scripted user has none

    user.answerMessageBox(vbmsg::OK);
    w.Finska_Click();
    EXPECT_EQ(boxesShown(user), (Boxes{{MessageText(kMsgRestartForLanguage), vbmsg::Exclamation}}));
    EXPECT_EQ(started(w).substr(0, 11), "0|1|0|Arkiv");
    EXPECT_EQ(readFileBytes(ini), QByteArray("Language=Finnish\r\nAppPath=/opt/v\r\n"));
}

// The switch writes its item where the next start reads it, also after an item left inside an open
// quote, through a link and in a file of several megabytes; a file it cannot write is reported, and
// the menu's marks go on saying what the file says.
TEST_F(MainWindow, LanguageSwitchWritesWhereTheNextStartReadsOrSaysItCouldNot)
{
    MDIForm1& w = load(kSwedish);
    const QString real = config_.folder() + QStringLiteral("/real.ini");
    const QByteArray comments = QByteArray(3 << 20, ';') + "\r\n";
    // "": the settings file is a link to real.ini; "fifo": a pipe, which the switch reports.
    const Boxes boxes{
        {MessageText(kMsgRestartForLanguage), vbmsg::Exclamation}, {MessageText(kMsgWrongType), vbmsg::Exclamation}};
    for (const QByteArray& ini : {QByteArray("fifo"), QByteArray("AppPath=/opt/v\r\n\"note, never closed"),
             QByteArray("AppPath=/opt/v\r\n  \"note\r\n"), QByteArray(), QByteArray(kSwedish + comments)}) {
        SCOPED_TRACE(ini.left(40).toStdString());
        const bool fifo = ini == "fifo";
        QFile::remove(config_.iniPath());
        if (ini.isEmpty()) {
            writeFileBytes(real, kSwedish);
            ASSERT_TRUE(QFile::link(real, config_.iniPath()));
        } else if (fifo) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(config_.iniPath()).constData(), 0666), 0);
        } else {
            config_.writeIni(ini);
        }
        user.clear();
        for (int i = 0; i <= fifo; ++i)
            user.answerMessageBox(vbmsg::OK);
        w.Finska->trigger();  // as the menu does
        EXPECT_EQ(boxesShown(user), Boxes(boxes.begin(), boxes.begin() + 1 + fifo));
        EXPECT_EQ(std::pair(w.Finska->isChecked(), w.Svenska->isChecked()), std::pair(!fifo, fifo));
        if (fifo)
            continue;
        EXPECT_EQ(IniScan(QStringLiteral("Language")) + u'|' + IniScan(QStringLiteral("AppPath")) + u'|' +
                QString::number(QFileInfo(config_.iniPath()).isSymLink()),
            u"Finnish|/opt/v|" + QString::number(ini.isEmpty()));
        if (ini.size() > comments.size()) {
            EXPECT_TRUE(config_.readIni().contains(comments));  // every byte kept
        }
    }
}

// Whatever stands where the settings file or the calibration file should be, when it is no regular
// file (a pipe, a folder, a link to a folder, a device), reading it and writing it say the same:
// the wrong-file-type message. The device is a file of the test's own that the checks take for one.
TEST_F(MainWindow, ASettingsOrCalibrationFileThatIsNoRegularFileGivesTheWrongTypeMessageBothWays)
{
    const QString folder = config_.folder() + QStringLiteral("/folder");
    const QString device = config_.folder() + QStringLiteral("/device");
    ASSERT_TRUE(QDir().mkdir(folder));
    writeFileBytes(device, "device");
    const vb::FileSystemSeam seam{device, {}};
    vb::installFileSystemSeam(&seam);
    const QString tips = config_.folder() + QStringLiteral("/tips.cnf");
    const auto clear = [](const QString& path) { QFile::remove(path) || QDir().rmdir(path); };
    const auto putOdd = [&](const QString& path, const QString& kind) {
        clear(path);
        if (kind == u"pipe")
            return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
        if (kind == u"folder")
            return QDir().mkdir(path);
        return QFile::link(kind == u"device" ? device : folder, path);
    };
    const Boxes wrongType{{MessageText(kMsgWrongType), vbmsg::Exclamation}};
    const Boxes switchRefused{{MessageText(kMsgRestartForLanguage), vbmsg::Exclamation}, wrongType[0]};
    for (const QString& kind : {u"pipe"_s, u"folder"_s, u"folder link"_s, u"device"_s}) {
        SCOPED_TRACE(kind.toStdString());
        ASSERT_TRUE(putOdd(config_.iniPath(), kind));
        user.clear();
        user.answerMessageBox(vbmsg::OK);
        MDIForm1& w = load();
        EXPECT_EQ(boxesShown(user), wrongType);
        user.clear();
        user.answerMessageBox(vbmsg::OK).answerMessageBox(vbmsg::OK);
        w.Svenska->trigger();
        EXPECT_EQ(std::tuple(boxesShown(user), w.Finska->isChecked(), w.Svenska->isChecked()),
            std::tuple(switchRefused, false, false));

        clear(config_.iniPath());
        config_.writeIni("AppPath=" + config_.folder().toUtf8() + "\r\n");
        ASSERT_TRUE(putOdd(tips, kind));
        user.clear();
        user.answerMessageBox(vbmsg::OK).answerMessageBox(vbmsg::OK);
        w.printer->trigger();
        printerinst::instance()->ok_Click();
        EXPECT_EQ(boxesShown(user), Boxes({wrongType[0], wrongType[0]}));
        printerinst::instance()->hide();
    }
    vb::installFileSystemSeam(nullptr);
    EXPECT_EQ(readFileBytes(device), "device");
}

// Opening a frame uses a number too; a frame opened while another is maximised fills the client area.
TEST_F(MainWindow, NewFramesAreNumberedAndOpenMaximisedBesideAMaximisedOne)
{
    MDIForm1& w = load(kSwedish);
    w.NyBlankett_Click();
    w.NyBlankett_Click();
    user.cancelFileDialog();  // the opened frame asks for its file when it is activated
    w.laddablankett_Click();
    processEvents();
    w.NyBlankett_Click();
    EXPECT_EQ(w.activeChild()->windowTitle(), u"Namnlös 4");

    w.mdiArea()->currentSubWindow()->showMaximized();
    processEvents();
    w.NyBlankett_Click();
    processEvents();
    EXPECT_EQ(std::tuple(w.mdiArea()->currentSubWindow()->isMaximized(), w.mdiArea()->currentSubWindow()->width()),
        std::tuple(true, w.mdiArea()->viewport()->width()));
}

// Only a missing AppPath has its own message; even "already open" is an unexpected error here, and
// file number 1 is closed afterwards.
TEST_F(MainWindow, HelpOpensTheFileOfTheLanguageFromAppPathAndShowsOnlyAMissingAppPathAsItsOwnMessage)
{
    MDIForm1& w = load("Language=Finnish\r\nAppPath=/opt/v\\\r\n");
    w.help_Click();
    ASSERT_EQ(user.shown().size(), 1u);  // no box: the scripted user has no answer
    EXPECT_EQ(user.shown()[0].text + QString::number(user.shown()[0].style), u"/opt/v/tipsfin.hlp3");

    user.clear();
    FileNumber::one().open(config_.iniPath(), FileNumber::Mode::BinaryRead);
    user.answerMessageBox(vbmsg::OK);
    w.help_Click();
    EXPECT_EQ(boxesShown(user),
        (Boxes{{currentMessageText(kMsgUnexpectedError) + QStringLiteral(" Error: 55"), vbmsg::Critical}}));
    EXPECT_FALSE(FileNumber::one().isOpen());

    config_.writeIni("Language=Finnish\r\n");
    user.answerMessageBox(vbmsg::OK);
    w.help_Click();
    EXPECT_EQ(user.shown().back().text, MessageText(kMsgNoAppPath + kFinnishOffset));
}

TEST_F(MainWindow, ToolbarButtonsRunOnceAndShowTheirHintsUntilTheMouseLeavesAndTheGuideKeepsItsPlace)
{
    MDIForm1& w = load(kSwedish);
    auto moveOver = [](QWidget* target) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    };
    moveOver(w.SSRibbon4);
    EXPECT_EQ(w.Label1->Caption() + u'|' + w.Label2->Caption(),
        UIText(kUiOpenFrameHint) + u'|' + UIText(kUiOpenFrameHint + 1));
    for (QWidget* background : std::initializer_list<QWidget*>{w.mdiArea()->viewport(), w.SSPanel1, w.SSPanel2}) {
        moveOver(w.SSRibbon7);
        EXPECT_EQ(w.Label1->Caption(), UIText(kUiGuideHint));
        moveOver(background);
        EXPECT_EQ(w.Label1->Caption() + w.Label2->Caption(), QString());
    }

    QTest::mouseClick(w.SSRibbon1, Qt::LeftButton);
    processEvents();
    EXPECT_EQ(std::tuple(w.ramnummer, w.SSRibbon1->isDown()), std::tuple(1, false));

    // The guide docks at the right edge and toggles without losing its place.
    const int width = twips::toPixelsX(3200);
    const QSize client = w.mdiArea()->viewport()->size();
    EXPECT_EQ(guideFrame()->geometry(), QRect(client.width() - width, 0, width, client.height()));

    QTest::mouseClick(w.SSRibbon7, Qt::LeftButton);  // once: a second run would show it again
    EXPECT_FALSE(guideFrame()->isVisible());
    w.resize(800, 600);
    processEvents();
    EXPECT_EQ(std::tuple(guideFrame()->x(), guideFrame()->isVisible()),
        std::tuple(w.mdiArea()->viewport()->width() - width, false));
    w.guidemenu_Click();
    EXPECT_TRUE(guideFrame()->isVisible());

    // Narrower than the guide: it starts left of the client area.
    w.setMinimumSize(0, 0);
    w.resize(150, 400);
    processEvents();
    EXPECT_LT(guideFrame()->x(), 0);
}

// A document with a close prompt: No closes it, any other answer keeps it.
class PromptingDocument : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->setAccepted(MsgBox(QStringLiteral("save?"), vbmsg::YesNoCancel | vbmsg::Question) == vbmsg::No);
    }
};

// Locked, while a long computation runs inside a document, the main window cannot be closed and asks
// nothing; unlocked, exit ends only when every prompt is answered No.
TEST_F(MainWindow, ALockedMainWindowCannotBeClosedAndExitEndsOnlyWhenEveryPromptIsAnsweredNo)
{
    MDIForm1& w = load(kSwedish);
    w.addChild(new PromptingDocument);
    w.addChild(new PromptingDocument);
    w.SetEnabled(false);
    w.Avsluta_Click();
    processEvents();
    EXPECT_TRUE(w.isVisible());  // not even asked: the scripted user has no answer
    w.SetEnabled(true);
    EXPECT_FALSE(w.SSRibbon2->isEnabled());  // still off until a frame shows its rows
    // The answers of each exit, and the documents left open after it.
    const std::pair<std::vector<int>, qsizetype> exits[] = {{{vbmsg::No, vbmsg::Cancel}, 1}, {{vbmsg::No}, 0}};
    for (const auto& [answers, left] : exits) {
        for (int a : answers)
            user.answerMessageBox(a);
        w.Avsluta_Click();
        processEvents();
        EXPECT_EQ(w.isVisible(), left > 0);
        EXPECT_EQ(w.mdiArea()->subWindowList().size(), left + 1);  // and the guide
    }
}

// The items at start, with their shortcuts; a frame's items while it is active, and its close prompt:
// Yes saves and keeps it open, also when the save is cancelled.
TEST_F(MainWindow, TheActiveDocumentAloneSetsTheDocumentItemsAndYesOnTheClosePromptSavesAndKeepsTheFrameOpen)
{
    MDIForm1& w = load(kSwedish);
    QStringList keys;
    for (const QAction* a : {w.klipput, w.kopiera, w.klistrain, w.tabort, w.help, w.guidemenu})
        keys << a->shortcut().toString();
    EXPECT_EQ(keys.join(u' '), u"Ctrl+X Ctrl+C Ctrl+V Del F1 Ctrl+G");
    // The kind of the active document; the items it switches, then the two new-frame items, always on.
    auto on = [&w] {
        return std::pair(w.aktivtyp,
            std::array{w.SparaSom->isEnabled(), w.SSRibbon5->isEnabled(), w.SkrivUt->isEnabled(),
                w.SSRibbon2->isEnabled(), w.sok->isEnabled(), w.SSRibbon3->isEnabled(),
                w.SvenskaSpelStryktipset->isEnabled(), w.SvenskaspelEuropatipset->isEnabled(),
                w.NyBlankett->isEnabled(), w.SSRibbon6->isEnabled()});
    };
    const auto saveOnly =
        std::pair(DocumentKind::Frame, std::array{true, true, false, false, false, false, false, false, true, true});
    const auto none =
        std::pair(DocumentKind::None, std::array{false, false, false, false, false, false, false, false, true, true});
    EXPECT_EQ(on(), none);
    w.SkrivUt_Click();  // no frame: nothing happens
    EXPECT_EQ(std::tuple(user.shown().size(), printruta::exists()), std::tuple(0u, false));
    Form1* form = &newFrame();
    EXPECT_EQ(std::tuple(on(), w.SparaSom->text(), guide::instance()->guidetext->toPlainText()),
        std::tuple(saveOnly, UIText(kUiSaveFrameAs), shownGuideText(kGuideFrameWindow)));

    // The guide is a child window but no document: nothing is on while it is active.
    w.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(guideFrame()));
    EXPECT_EQ(on(), none);
    QWidget* window = form->parentWidget();
    w.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window));
    EXPECT_EQ(on(), saveOnly);

    Q_EMIT form->Label1[0]->Click();
    user.answerMessageBox(vbmsg::Yes).cancelFileDialog();
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(form->systemsparat());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RAM.1X2"));
    user.answerMessageBox(vbmsg::Yes).answerFileDialog(path);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(std::tuple(form->systemsparat(), QFileInfo::exists(path)), std::tuple(true, true));

    // Saved now, it closes without a prompt (none is scripted); closing the last frame leaves everything
    // off, the Save As caption stays.
    ASSERT_TRUE(window->close());
    processEvents();
    EXPECT_EQ(std::tuple(on(), w.SparaSom->text(), guide::instance()->guidetext->toPlainText()),
        std::tuple(none, UIText(kUiSaveFrameAs), shownGuideText(kGuideWelcome)));
}

TEST(HelpViewer, ShowsTheContentsPageFollowsLinksAndReportsAMissingFileOrAPipe)
{
    helpviewer* v = helpviewer::instance();
    v->showFile(QStringLiteral(VELKORIN_SOURCE_DIR "/resources/program/tipsswe.hlp"), 3);
    ASSERT_TRUE(v->file().ok());
    EXPECT_EQ(v->currentPage(), v->file().contents()->id);
    const QList<HelpLink> links = v->file().contents()->links();
    ASSERT_FALSE(links.isEmpty());
    v->showPage(links.front().target);
    EXPECT_EQ(v->currentPage(), links.front().target);

    // A missing file, in either language: the contents button and the message with the file's path;
    // and a pipe, which would wait for a writer for ever.
    const auto shown = [v]() -> QString {
        return v->findChild<QPushButton*>()->text() + u'|' + v->browser()->toPlainText();
    };
    v->showFile(QStringLiteral("/nonexistent/tipsswe.hlp"), 3);
    EXPECT_EQ(shown(), u"Innehåll|Hjälpfilen kan inte öppnas: /nonexistent/tipsswe.hlp");
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("tipsfin.hlp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0666), 0);
    sprakoffset = kFinnishOffset;
    v->showFile(pipe, 3);
    sprakoffset = 0;
    EXPECT_EQ(shown(), u"Sisällys|Ohjetiedostoa ei voi avata: " + pipe);
    v->hide();
}

}  // namespace
