// The user's story from start to end, through the real windows: the computer builds a 12-right system
// and its guarantee table, "Använd" saves it and hands it to a new frame, the frame is marked and its
// rows created, saved and opened again with the same rows and the same table.

#include "platform/controls.h"
#include "shell/garanti.h"
#include "shell/reductiontext.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/textof.h"
#include "systems/visare.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {

using UserStory = MainWindowTest;

TEST_F(UserStory, BuildASystemUseItInAFrameCreateSaveAndReopen)
{
    QTemporaryDir dir;

    // 1. The computer builds a 12-right system of three full guards.
    Form2* editor = newSystem(0, 3, 1, true);
    const int systemRows = editor->rader();
    ASSERT_EQ(systemRows, 9);  // reduced: a third of the full variation
    ASSERT_EQ(editor->Grid1->Cols(), systemRows + 1);

    // 2. "Använd" asks first, as there is no guarantee table yet: declined, nothing happens.
    user.answerMessageBox(vbmsg::No);
    editor->Anvand_Click();
    processEvents();
    EXPECT_EQ(std::tuple(main_->activeChild(), main_->anvandsystem), std::tuple(editor, QString()));

    // 3. "Garantitabell" computes, stores and shows the table; it is no edit.
    editor->kommentarer->setText(QStringLiteral("tre helgarderingar"));
    const bool saved = editor->syssparat;
    editor->Berakna_Click();
    garanti* w = garanti::loaded();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(std::tuple(main_->Enabled(), visare::instance()->isVisible(), editor->syssparat, w->Label3->Visible()),
        std::tuple(true, false, saved, false));
    EXPECT_EQ(w->windowTitle() + u' ' + gridText(*w->Grid2).section(u'/', 0, 0), u"Garantitabell 13|12|11|10|0-9|(%)");
    // The nine rows lie two or more differences apart: each outcome is a row (13 right, and 6 rows
    // with 11, 2 with 10) or one difference from three rows (and 3 with 11, 3 with 10).
    const QString table = gridText(*w->Grid2, 1) + u'|' + w->reducering->Caption() + u'|' + w->kommentarer->Text();
    EXPECT_EQ(table, u"1||6|2||33%/|3|3|3||67%/|||||/|||||/||||||9 rader av 27 möjliga|tre helgarderingar");
    EXPECT_EQ(gridText(*editor->Grid2),
        u"1|" + reductionText(systemRows, 27, 0) + u"|tre helgarderingar|||/" + gridText(*w->Grid2, 1));

    // 4. "Använd" again: the table is current, so the only question is where to save; a new frame
    // takes the system into System 1.
    main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(editor->parentWidget()));
    const QString systemFile = dir.filePath(QStringLiteral("3-0-system.RM"));
    user.answerFileDialog(systemFile);
    editor->Anvand_Click();
    processEvents();
    auto* frame = qobject_cast<Form1*>(main_->activeChild());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(std::tuple(editor->syssparat, main_->anvandsystem), std::tuple(true, QString()));
    EXPECT_EQ(frame->Label3[0]->Caption() + u' ' + frame->InsRader[0]->Caption() + u' ' + frame->InsHalv[0]->Caption() +
            u' ' + frame->InsHel[0]->Caption() + u' ' + QString::number(frame->state().filbyte),
        u"3-0-system.RM " + QString::number(systemRows) + u" 0/0 0/3 5");
    EXPECT_EQ(gridText(*frame->Grid1[0], 1, 1), gridText(*editor->Grid1, 1, 1));

    // 5. Full guards on matches 1-3 in System 1, singles "1" on the rest.
    mark(*frame, "FFF1111111111");
    processEvents();
    EXPECT_EQ(frame->InsHel[0]->Caption() + u' ' + frame->Allrad->Caption(), u"3/3 " + QString::number(systemRows));

    // 6. "Skapa": the rows are the system's rows on matches 1-3, "1" elsewhere, in the system's order.
    frame->OK_Click();
    processEvents();
    ASSERT_EQ(std::tuple(frame->grid2frame->isVisible(), main_->SkrivUt->isEnabled()), std::tuple(true, true));
    const RowMatrix rows = frame->forminnecopy();
    // SignCode 1, 2, 3 as "1", "X", "2"; a row, then a space. The spare 14th match and 10th row stay 0.
    QString signs;
    for (long long r = 0; r <= rows.upperRow(); ++r, signs += u' ')
        for (int m = 0; m <= rows.upperMatch(); ++m)
            signs += QLatin1Char("01X2?"[std::min(int{rows.at(m, r)}, 4)]);
    EXPECT_EQ(signs,
        u"11111111111110 22211111111110 XXX11111111110 X2111111111110 1X211111111110 "
        u"21X11111111110 2X111111111110 X1211111111110 12X11111111110 00000000000000 ");
    EXPECT_EQ(frame->Label4->Caption(), u"Rader 1 - 10");

    // 7. Save the frame; its caption becomes the file.
    const QString frameFile = dir.filePath(QStringLiteral("ram.1X2"));
    user.answerFileDialog(frameFile);
    main_->sparasom_Click();
    processEvents();
    EXPECT_EQ(std::tuple(frame->windowTitle(), frame->systemsparat()), std::tuple(frameFile, true));

    // 8. Open it in a new frame: the same rows, shown as coupons at once.
    user.answerFileDialog(frameFile);
    main_->laddablankett_Click();
    processEvents();
    auto* reopened = qobject_cast<Form1*>(main_->activeChild());
    ASSERT_THAT(reopened, testing::AllOf(testing::NotNull(), testing::Ne(frame)));
    EXPECT_EQ(std::tuple(reopened->windowTitle(), reopened->grid2frame->isVisible(),
                  reopened->rect().contains(reopened->grid2frame->geometry())),
        std::tuple(frameFile, true, true));
    EXPECT_EQ(reopened->forminnecopy(), rows);
    EXPECT_EQ(reopened->size(), frame->size());  // at the coupon width, as after "Skapa"
    EXPECT_EQ(reopened->Allrad->Caption(), QString::number(systemRows));

    // 9. Its "Visa garantitabell" shows the table that travelled with the system, with no message.
    reopened->visagaranti_Click(0);
    w = garanti::loaded();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(
        std::tuple(user.messageBoxes().size(), main_->Enabled()), std::tuple(1u, true));  // only step 2's question
    EXPECT_EQ(gridText(*w->Grid2, 1) + u'|' + w->reducering->Caption() + u"|" + w->kommentarer->Text(), table);
}

}  // namespace
