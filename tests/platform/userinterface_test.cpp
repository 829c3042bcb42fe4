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
    using B = std::vector<int>;
    const std::tuple<int, B, int> cases[] = {{vbmsg::OKOnly + vbmsg::Critical, B{vbmsg::OK}, vbmsg::OK},
        {vbmsg::YesNoCancel + vbmsg::Question, B{vbmsg::Yes, vbmsg::No, vbmsg::Cancel}, vbmsg::Cancel},
        {vbmsg::YesNo, B{vbmsg::Yes, vbmsg::No}, vbmsg::No},
        {vbmsg::OKCancel + vbmsg::Exclamation, B{vbmsg::OK, vbmsg::Cancel}, vbmsg::Cancel}};
    for (const auto& [style, buttons, escape] : cases)
        EXPECT_EQ(std::pair(messageBoxButtons(style), escapeResult(style)), std::pair(buttons, escape)) << style;
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
