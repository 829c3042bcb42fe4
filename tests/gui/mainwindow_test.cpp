// The main window driven through its handlers: start-up with good and bad settings files, captions,
// frame numbering, the docked guide, help, the language switch and exit with unsaved documents.

#include "frame/Form1.h"
#include "platform/commondialog.h"
#include "platform/twips.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "shell/guide.h"
#include "shell/texts/texts.h"
#include "support/scripteduser.h"
#include "support/testhelpers.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { sprakoffset = 0; }
    void TearDown() override
    {
        window_.reset();
        sprakoffset = 0;
    }
    void writeIni(const QByteArray& bytes) { config_.writeIni(bytes); }
    QString iniPath() const { return config_.iniPath(); }
    MDIForm1& load()
    {
        window_ = std::make_unique<MDIForm1>();
        window_->resize(1000, 700);
        window_->show();
        window_->MDIForm_Load();
        processEvents();
        return *window_;
    }
    QWidget* guideFrame() const { return guide::instance()->parentWidget(); }

    ScratchConfig config_;
    std::unique_ptr<MDIForm1> window_;
};

TEST_F(MainWindow, FullSettingsInFinnishSetCaptionsStartFolderAndGuide)
{
    writeIni("Language=Finnish\r\nAppPath=/opt/velkorin\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    EXPECT_TRUE(user.messageBoxes().empty());
    EXPECT_EQ(sprakoffset, 10000);
    EXPECT_TRUE(w.Finska->isChecked());
    EXPECT_FALSE(w.Svenska->isChecked());
    EXPECT_EQ(w.File->title(), QStringLiteral("Arkisto"));
    EXPECT_EQ(w.SparaSom->text(), QStringLiteral("Tallenna nimellä"));
    EXPECT_EQ(w.CommonDialog1->InitDir, QStringLiteral("/opt/velkorin\\System\\"));
    EXPECT_EQ(w.guidesyns, 255);
    EXPECT_TRUE(guideFrame()->isVisible());
    EXPECT_EQ(
        guide::instance()->guidetext->Text(), GuideText(10001).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(MainWindow, MissingSettingsFileLeavesEverythingBuiltIn)
{
    ScriptedUser user;
    user.answerMessageBox(vbmsg::OK);
    MDIForm1& w = load();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(30) + QStringLiteral(" Error: 53"));
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::Critical);
    EXPECT_EQ(sprakoffset, 0);
    EXPECT_FALSE(w.Finska->isChecked());
    EXPECT_FALSE(w.Svenska->isChecked());
    EXPECT_TRUE(w.CommonDialog1->InitDir.isEmpty());
    EXPECT_EQ(w.SparaSom->text(), QStringLiteral("Spara som..."));
    EXPECT_EQ(w.gatillmenu->text(), QStringLiteral("Gå till ..."));
    EXPECT_EQ(w.guidesyns, 0);
}

TEST_F(MainWindow, MissingLanguageOrAppPathStopsTheLoadAtThatStep)
{
    writeIni("AppPath=/opt/velkorin\r\n");
    {
        ScriptedUser user;
        user.answerMessageBox(vbmsg::OK);
        MDIForm1& w = load();
        ASSERT_EQ(user.messageBoxes().size(), 1u);
        EXPECT_EQ(user.messageBoxes()[0].text, MessageText(32));
        EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::Exclamation);
        EXPECT_EQ(sprakoffset, 0);
        EXPECT_EQ(w.SparaSom->text(), QStringLiteral("Spara som..."));
        EXPECT_TRUE(w.CommonDialog1->InitDir.isEmpty());
    }
    writeIni("Language=Finnish\r\n");
    {
        ScriptedUser user;
        user.answerMessageBox(vbmsg::OK);
        MDIForm1& w = load();
        ASSERT_EQ(user.messageBoxes().size(), 1u);
        EXPECT_EQ(user.messageBoxes()[0].text, MessageText(10032));  // already Finnish
        EXPECT_EQ(sprakoffset, 10000);
        EXPECT_TRUE(w.Finska->isChecked());
        EXPECT_EQ(w.File->title(), QStringLiteral("Arkiv"));  // captions not reached
        EXPECT_EQ(w.guidesyns, 0);
    }
}

TEST_F(MainWindow, NewFramesAreNumberedAndOpeningOneUsesANumber)
{
    writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    w.NyBlankett_Click();
    w.NyBlankett_Click();
    user.cancelFileDialog();  // the opened frame asks for its file when it is activated
    w.laddablankett_Click();
    processEvents();
    w.NyBlankett_Click();
    QStringList titles;
    for (QMdiSubWindow* sub : w.mdiArea()->subWindowList()) {
        if (auto* f = qobject_cast<Form1*>(sub->widget()))
            titles << f->windowTitle();
    }
    EXPECT_TRUE(titles.contains(QStringLiteral("Namnlös 1")));
    EXPECT_TRUE(titles.contains(QStringLiteral("Namnlös 2")));
    EXPECT_TRUE(titles.contains(QStringLiteral("Namnlös 4")));
    EXPECT_EQ(w.ramnummer, 4);
}

TEST_F(MainWindow, FinnishFrameCaptionHasTwoBlanks)
{
    writeIni("Language=Finnish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    w.NyBlankett_Click();
    EXPECT_EQ(w.activeChild()->windowTitle(), QStringLiteral("Nimetön  1"));
}

TEST_F(MainWindow, GuideDocksAtTheRightEdgeAndTogglesWithoutLosingItsPlace)
{
    writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    const int width = twips::toPixelsX(3200);
    const QSize client = w.mdiArea()->viewport()->size();
    EXPECT_EQ(guideFrame()->geometry(), QRect(client.width() - width, 0, width, client.height()));

    w.guidemenu_Click();
    EXPECT_EQ(w.guidesyns, 0);
    EXPECT_FALSE(guideFrame()->isVisible());
    w.resize(800, 600);
    processEvents();
    const QSize smaller = w.mdiArea()->viewport()->size();
    EXPECT_EQ(guideFrame()->x(), smaller.width() - width);
    EXPECT_FALSE(guideFrame()->isVisible());
    w.guidemenu_Click();
    EXPECT_EQ(w.guidesyns, 255);
    EXPECT_TRUE(guideFrame()->isVisible());

    // Narrower than the guide: it starts left of the client area.
    w.setMinimumSize(0, 0);
    w.resize(150, 400);
    processEvents();
    EXPECT_LT(guideFrame()->x(), 0);
}

TEST_F(MainWindow, HelpOpensTheFileOfTheLanguageFromAppPath)
{
    writeIni("Language=Finnish\r\nAppPath=/opt/v\\\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    w.help_Click();
    ASSERT_FALSE(user.shown().empty());
    const auto& help = user.shown().back();
    EXPECT_EQ(help.kind, ScriptedUser::Shown::Help);
    EXPECT_EQ(help.text, QStringLiteral("/opt/v/tipsfin.hlp"));
    EXPECT_EQ(help.style, 3);

    writeIni("Language=Finnish\r\n");
    user.answerMessageBox(vbmsg::OK);
    w.help_Click();
    EXPECT_EQ(user.shown().back().text, MessageText(10032));
}

TEST_F(MainWindow, LanguageSwitchWritesTheFileButKeepsTheRunningLanguage)
{
    writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    user.answerMessageBox(vbmsg::OK);
    w.Finska_Click();
    EXPECT_EQ(user.messageBoxes().back().text, MessageText(38));
    EXPECT_TRUE(w.Finska->isChecked());
    EXPECT_FALSE(w.Svenska->isChecked());
    EXPECT_EQ(sprakoffset, 0);
    EXPECT_EQ(config_.readIni(), QByteArray("Language=Finnish\r\nAppPath=/opt/v\r\n"));
}

TEST_F(MainWindow, PrintWithoutAFrameDoesNothingAndTheLockDisablesTheMainWindow)
{
    writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    w.SkrivUt_Click();
    EXPECT_TRUE(user.shown().empty());
    w.SetEnabled(false);
    EXPECT_FALSE(w.Enabled());
    EXPECT_FALSE(w.menuBar()->isEnabled());
    EXPECT_FALSE(w.mdiArea()->isEnabled());
    EXPECT_FALSE(w.SSRibbon1->isEnabled());
    w.SetEnabled(true);
    EXPECT_TRUE(w.SSRibbon1->isEnabled());
    EXPECT_FALSE(w.SSRibbon2->isEnabled());  // still off until a frame shows its rows
}

// A document with the usual close prompt: Yes saves (and stays open), No closes, Cancel stays.
class PromptingDocument : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (MsgBox(QStringLiteral("save?"), vbmsg::YesNoCancel | vbmsg::Question) == vbmsg::No)
            event->accept();
        else
            event->ignore();
    }
};

TEST_F(MainWindow, ExitEndsOnlyWhenEveryPromptIsAnsweredNo)
{
    writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    w.addChild(new PromptingDocument);
    w.addChild(new PromptingDocument);
    auto documents = [&] {
        int n = 0;
        for (QMdiSubWindow* sub : w.mdiArea()->subWindowList())
            n += dynamic_cast<PromptingDocument*>(sub->widget()) ? 1 : 0;
        return n;
    };
    user.answerMessageBox(vbmsg::No).answerMessageBox(vbmsg::Cancel);
    w.Avsluta_Click();
    processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(documents(), 1);

    user.answerMessageBox(vbmsg::Yes);
    w.Avsluta_Click();
    processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(documents(), 1);

    user.answerMessageBox(vbmsg::No);
    w.Avsluta_Click();
    processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(documents(), 0);
}

TEST_F(MainWindow, ALockedMainWindowCannotBeClosed)
{
    writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
    ScriptedUser user;
    MDIForm1& w = load();
    w.addChild(new PromptingDocument);
    w.SetEnabled(false);  // a long computation runs inside a document
    w.Avsluta_Click();
    processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(user.messageBoxes().empty());  // not even asked: the document stays as it is
    w.SetEnabled(true);
    user.answerMessageBox(vbmsg::No);
    w.Avsluta_Click();
    EXPECT_FALSE(w.isVisible());
}

}  // namespace

#include "shell/helpviewer.h"

#include <QTextBrowser>

namespace {

TEST(HelpViewer, ShowsTheContentsPageAndFollowsLinks)
{
    helpviewer* v = helpviewer::instance();
    v->showFile(QStringLiteral(VELKORIN_SOURCE_DIR "/resources/program/tipsswe.hlp"), 3);
    ASSERT_TRUE(v->file().ok());
    EXPECT_EQ(v->currentPage(), v->file().contents()->id);
    const QList<HelpLink> links = v->file().contents()->links();
    ASSERT_FALSE(links.isEmpty());
    v->showPage(links.front().target);
    EXPECT_EQ(v->currentPage(), links.front().target);
    v->hide();
}

TEST(HelpViewer, AMissingFileIsReportedInTheViewer)
{
    helpviewer* v = helpviewer::instance();
    v->showFile(QStringLiteral("/nonexistent/tipsswe.hlp"), 3);
    EXPECT_TRUE(v->browser()->toPlainText().contains(QStringLiteral("/nonexistent/tipsswe.hlp")));
    v->hide();
}

}  // namespace
