#include "platform/commondialog.h"

#include "support/scripteduser.h"
#include "support/testhelpers.h"

#include <gtest/gtest.h>

TEST(CommonDialog, PassesItsPropertiesReturnsNameAndTitleAndCancelRaises32755KeepingTheName)
{
    ScriptedUser user;
    user.answerFileDialog(QStringLiteral("/tmp/x/Ram 1.1X2")).cancelFileDialog();
    CommonDialog d;
    d.Filter = QStringLiteral("Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*");
    d.Flags = 4100;
    d.FileName = QStringLiteral("Namnlös 1");
    d.ShowOpen();
    EXPECT_EQ(
        std::pair(d.FileName, d.FileTitle), std::pair(QStringLiteral("/tmp/x/Ram 1.1X2"), QStringLiteral("Ram 1.1X2")));
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    const FileDialogRequest asked = user.fileDialogs()[0];
    EXPECT_EQ(std::tuple(asked.save, asked.flags, asked.fileName, asked.filter),
        std::tuple(false, 4100, QStringLiteral("Namnlös 1"), d.Filter));

    EXPECT_EQ(errorOf([&] { d.ShowSave(); }), vberr::DialogCancelled);
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/x/Ram 1.1X2"));
}
