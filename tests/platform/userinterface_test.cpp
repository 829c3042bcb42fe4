#include "platform/userinterface.h"

#include "support/scripteduser.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

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
    QString seen;
    setHelpViewer([&](const QString& file, int command) { seen = file + u' ' + QString::number(command); });
    UserInterface::current().showHelp(QStringLiteral("tipsfin.hlp"), 3);
    setHelpViewer({});
    EXPECT_EQ(seen, u"tipsfin.hlp 3");
    UserInterface::current().showHelp(QStringLiteral("x"), 3);  // no viewer: nothing
}
