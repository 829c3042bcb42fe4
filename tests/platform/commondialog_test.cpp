#include "platform/commondialog.h"

#include "platform/vberror.h"
#include "support/scripteduser.h"

#include <gtest/gtest.h>

TEST(CommonDialog, PassesItsPropertiesAndReturnsNameAndTitle)
{
    ScriptedUser user;
    user.answerFileDialog(QStringLiteral("/tmp/x/Ram 1.1X2"));
    CommonDialog d;
    d.Filter = QStringLiteral("Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*");
    d.Flags = 4100;
    d.FileName = QStringLiteral("Namnlös 1");
    d.ShowOpen();
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/x/Ram 1.1X2"));
    EXPECT_EQ(d.FileTitle, QStringLiteral("Ram 1.1X2"));
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    EXPECT_FALSE(user.fileDialogs()[0].save);
    EXPECT_EQ(user.fileDialogs()[0].flags, 4100);
    EXPECT_EQ(user.fileDialogs()[0].fileName, QStringLiteral("Namnlös 1"));
}

TEST(CommonDialog, CancelRaises32755AndKeepsTheOldName)
{
    ScriptedUser user;
    user.cancelFileDialog();
    CommonDialog d;
    d.FileName = QStringLiteral("keep");
    try {
        d.ShowSave();
        FAIL() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), vberr::DialogCancelled);
    }
    EXPECT_EQ(d.FileName, QStringLiteral("keep"));
}
