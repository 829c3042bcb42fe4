#include "platform/userinterface.h"

#include "support/scripteduser.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(UserInterface, ScriptedUserAnswersInOrderAndRecordsEverything)
{
    ScriptedUser user;
    user.answerMessageBox(vbmsg::Cancel).answerMessageBox(vbmsg::Yes);
    user.answerFileDialog(QStringLiteral("/tmp/a.1X2")).cancelFileDialog();

    EXPECT_EQ(MsgBox(QStringLiteral("En del"), vbmsg::OKCancel + vbmsg::Exclamation), vbmsg::Cancel);
    Beep();
    FileDialogRequest open;
    open.flags = 4100;
    EXPECT_EQ(UserInterface::current().fileDialog(open), QStringLiteral("/tmp/a.1X2"));
    UserInterface::current().showHelp(QStringLiteral("tipsswe.hlp"), 3);
    EXPECT_EQ(MsgBox(QStringLiteral("Spara?"), vbmsg::YesNo + vbmsg::Exclamation), vbmsg::Yes);
    FileDialogRequest save;
    save.save = true;
    EXPECT_EQ(UserInterface::current().fileDialog(save), std::nullopt);

    const auto& shown = user.shown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0].kind, ScriptedUser::Shown::MessageBox);
    EXPECT_EQ(shown[0].text, QStringLiteral("En del"));
    EXPECT_EQ(shown[0].style, 49);
    EXPECT_EQ(shown[1].kind, ScriptedUser::Shown::Beep);
    EXPECT_EQ(shown[2].kind, ScriptedUser::Shown::FileDialog);
    EXPECT_EQ(shown[2].request.flags, 4100);
    EXPECT_EQ(shown[3].kind, ScriptedUser::Shown::Help);
    EXPECT_EQ(shown[3].text, QStringLiteral("tipsswe.hlp"));
    EXPECT_EQ(shown[3].style, 3);
    EXPECT_EQ(shown[4].style, 52);
    EXPECT_TRUE(shown[5].request.save);
    EXPECT_EQ(user.messageBoxes().size(), 2u);
    EXPECT_EQ(user.fileDialogs().size(), 2u);
    EXPECT_EQ(user.beeps(), 1);
    EXPECT_EQ(user.unusedAnswers(), 0u);
}

TEST(UserInterface, AnUnscriptedBoxFailsTheTestButAnswersHarmlessly)
{
    ScriptedUser user;
    int result = 0;
    EXPECT_NONFATAL_FAILURE(
        result = MsgBox(QStringLiteral("?"), vbmsg::YesNoCancel + vbmsg::Question), "unexpected message box");
    EXPECT_EQ(result, vbmsg::Cancel);
    std::optional<QString> path = QStringLiteral("x");
    EXPECT_NONFATAL_FAILURE(path = user.fileDialog(FileDialogRequest{}), "unexpected file dialog");
    EXPECT_EQ(path, std::nullopt);
}

TEST(UserInterface, TheScriptedUserUninstallsItself)
{
    UserInterface* desktop = &UserInterface::current();
    {
        ScriptedUser user;
        EXPECT_EQ(&UserInterface::current(), &user);
    }
    EXPECT_EQ(&UserInterface::current(), desktop);
}

TEST(UserInterface, StylesGiveTheOldButtonsAndEscapeAnswers)
{
    EXPECT_EQ(messageBoxButtons(vbmsg::OKOnly + vbmsg::Exclamation), (std::vector<int>{vbmsg::OK}));
    EXPECT_EQ(messageBoxButtons(vbmsg::YesNoCancel + vbmsg::Question),
        (std::vector<int>{vbmsg::Yes, vbmsg::No, vbmsg::Cancel}));
    EXPECT_EQ(messageBoxButtons(vbmsg::YesNo), (std::vector<int>{vbmsg::Yes, vbmsg::No}));
    EXPECT_EQ(escapeResult(vbmsg::OKCancel + vbmsg::Exclamation), vbmsg::Cancel);
    EXPECT_EQ(escapeResult(vbmsg::YesNo), vbmsg::No);
    EXPECT_EQ(escapeResult(vbmsg::OKOnly + vbmsg::Critical), vbmsg::OK);
}

TEST(UserInterface, VbFiltersBecomeQtFilters)
{
    EXPECT_EQ(qtFilters(QStringLiteral("Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*")),
        (QStringList{QStringLiteral("Systemram (*.1X2)"), QStringLiteral("Alla filer (*.*)")}));
    EXPECT_EQ(
        qtFilters(QStringLiteral("System|*.RM;*.RU;*.KU")), QStringList{QStringLiteral("System (*.RM *.RU *.KU)")});
    EXPECT_TRUE(qtFilters(QString()).isEmpty());
}

TEST(UserInterface, HelpGoesToTheInstalledViewer)
{
    QString file;
    int command = 0;
    setHelpViewer([&](const QString& f, int c) {
        file = f;
        command = c;
    });
    UserInterface::current().showHelp(QStringLiteral("tipsfin.hlp"), 3);
    setHelpViewer({});
    EXPECT_EQ(file, QStringLiteral("tipsfin.hlp"));
    EXPECT_EQ(command, 3);
    UserInterface::current().showHelp(QStringLiteral("x"), 3);  // no viewer: nothing
}
