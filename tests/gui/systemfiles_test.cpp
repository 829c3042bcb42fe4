// System files through the windows: Save As of a system editor with its guarantee-table questions,
// and "Editera system" back into the new-system dialog and a new editor. "Använd" is in the user story.

#include "platform/controls.h"
#include "shell/guide.h"
#include "shell/systemfile.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/textof.h"

#include <gmock/gmock.h>
#include <optional>

namespace {

class SystemFiles : public MainWindowTest {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void saveAs()
    {
        main_->sparafel = false;
        main_->sparasom_Click();
    }
    // Opens a system file through "Editera system".
    Form2* open(const QString& file)
    {
        user.answerFileDialog(file);
        main_->OppnaSystem->trigger();
        processEvents();
        return active<Form2>();
    }

    QTemporaryDir dir;
};

TEST_F(SystemFiles, SavedSystemAsksAboutItsTableAndComesBackAsItWas)
{
    // Typed in, its signs filled in but for one empty cell.
    Form2* e = newSystem(2, 2, 5, false, 1);
    typeSigns(*e, {".2X2", "1121", "221X", "11X2", "2221"});
    const QString caption = e->windowTitle();

    // Never computed, No: no dialog, nothing written.
    user.answerMessageBox(vbmsg::No);
    saveAs();
    EXPECT_EQ(boxesShown(user), (Boxes{{MessageText(kMsgNoGuaranteeTable), vbmsg::YesNo | vbmsg::Exclamation}}));
    EXPECT_EQ(std::tuple(main_->sparafel, e->syssparat, e->windowTitle()), std::tuple(true, false, caption));

    // Computed, as the guarantee computation leaves it, with a comment: no question.
    e->Grid2->setCols(6);
    e->Grid2->setRows(3);
    for (int c = 0; c < 6; ++c)
        e->Grid2->setTextMatrix(2, c, QString::number(c));
    e->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    e->Grid2->setTextMatrix(0, 1, QStringLiteral("3:1"));
    e->kommentarer->setText(QStringLiteral("min kommentar"));
    const QString file = path(QStringLiteral("2-2-5.RU"));
    user.answerFileDialog(file);
    saveAs();
    EXPECT_EQ(guide::instance()->guidetext->Text(), shownGuideText(kGuideSaveSystem));
    EXPECT_EQ(std::tuple(user.fileDialogs().back().fileName, e->syssparat, e->windowTitle()),
        std::tuple(caption, true, file));
    const QByteArray saved = readFileBytes(file);

    // "Editera system": whatever the dialog held before, it now holds the file's counts and no building.
    NyttSystemInst* dlg = NyttSystemInst::instance();
    dlg->Rader->setText(QStringLiteral("99"));
    dlg->Datorberakning->setValue(1);
    Form2* opened = open(file);
    ASSERT_THAT(opened, testing::AllOf(testing::NotNull(), testing::Ne(e)));
    EXPECT_EQ(dlg->Rader->Text() + dlg->Helgard->Text() + dlg->Halvgard->Text(), u"522");
    EXPECT_EQ(std::tuple(user.fileDialogs().back().save, dlg->Option1[1]->Value(), dlg->Datorberakning->Value(),
                  dlg->isVisible(), opened->syssparat),
        std::tuple(false, true, 0, false, true));
    EXPECT_EQ(opened->windowTitle() + u'|' + opened->kommentarer->Text(), file + u"|min kommentar");
    // The one empty cell, (1, 1), comes back as a NUL sign.
    EXPECT_EQ(std::tuple(gridText(*opened->Grid1, 1, 1), gridText(*opened->Grid2), opened->Grid1->Tag + opened->Tag),
        std::tuple(QString(QChar(u'\0') + gridText(*e->Grid1, 1, 1)), gridText(*e->Grid2), u"12"));

    // Saved again it gives the same bytes.
    const QString again = path(QStringLiteral("again.RU"));
    user.answerFileDialog(again);
    saveAs();
    EXPECT_EQ(readFileBytes(again), saved);

    // Outdated, Yes: written with its flag "0" kept.
    opened->Grid2->setTextMatrix(0, 0, QStringLiteral("0"));
    user.clear();
    const QString old = path(QStringLiteral("gammal.RM"));
    user.answerMessageBox(vbmsg::Yes).answerFileDialog(old);
    saveAs();
    EXPECT_EQ(boxTexts(user), QStringList{MessageText(kMsgOldGuaranteeTable)});
    const SystemFileRead read = readSystemFile(readFileBytes(old));
    EXPECT_EQ(std::tuple(main_->sparafel, read.status, read.data.guaranteeCell(0, 0)),
        std::tuple(false, FileReadStatus::Ok, u"0"));

    // A tag that is no number: the old file is kept, the error says what went wrong.
    opened->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    opened->syssparat = false;
    opened->Tag = QStringLiteral("?");
    const QByteArray before = readFileBytes(old);
    user.clear();
    user.answerFileDialog(old).answerMessageBox(vbmsg::Yes).answerMessageBox(vbmsg::OK);
    saveAs();
    EXPECT_EQ(boxesShown(user).at(1), (Boxes::value_type{QStringLiteral("Type mismatch"), vbmsg::OKOnly}));
    EXPECT_EQ(std::tuple(main_->sparafel, readFileBytes(old), opened->syssparat), std::tuple(true, before, false));
}

// An opened system keeps its file's name through every activation, and Save As and "Använd" offer it,
// whatever reduction the new-system dialog chose last; saved elsewhere, it takes the new file's name.
TEST_F(SystemFiles, AnOpenedSystemKeepsItsFileNameWhateverTheDialogChoseLast)
{
    Form2* built = newSystem(2, 3, 4, false, 1, 1);
    built->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    const QString file = path(QStringLiteral("3-2-4.RU"));
    user.answerFileDialog(file);
    saveAs();
    // The dialog's last choice is "13 Rätt", which names a built base-row system KU.
    NyttSystemInst::instance()->feloption[0]->setValue(true);

    Form2* opened = open(file);
    ASSERT_NE(opened, nullptr);
    opened->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    auto reactivate = [this, opened] {
        newFrame();
        main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(opened->parentWidget()));
        processEvents();
        return opened->windowTitle();
    };
    EXPECT_EQ(reactivate(), file);
    user.clear();
    user.cancelFileDialog().cancelFileDialog();
    saveAs();
    opened->Anvand_Click();
    ASSERT_EQ(user.fileDialogs().size(), 2u);
    EXPECT_EQ(std::tuple(user.fileDialogs().at(0).fileName, user.fileDialogs().at(1).fileName, reactivate()),
        std::tuple(file, file, file));

    const QString copy = path(QStringLiteral("kopia.RU"));
    user.answerFileDialog(copy);
    saveAs();
    EXPECT_EQ(reactivate(), copy);
}

TEST_F(SystemFiles, EditeraSystemTakesAnyFirstByteAndRefusesUnknownTypesAndSystemsNoEditorHolds)
{
    SystemFileData d{
        {.gCols = 1, .gRows = 1, .rows = 2, .guarded = 2, .fullGuards = 1, .signs = {}, .guarantee = {}}, 9};
    d.resizeToCounts();
    d.setSign(1, 1, '1');
    d.setSign(2, 2, 'X');
    NyttSystemInst* dlg = NyttSystemInst::instance();
    const QString odd = path(QStringLiteral("odd.RM"));
    writeFileBytes(odd, writeSystemFile(d));
    Form2* opened = open(odd);
    ASSERT_NE(opened, nullptr);  // a 1-column table has no comment
    EXPECT_EQ(opened->Grid1->TextMatrix(2, 2) + u'|' + opened->kommentarer->Text(), u"X|");

    // Type 2 selects no option: reported, no editor.
    d.magic = 5;
    d.type = 2;
    writeFileBytes(odd, writeSystemFile(d));
    const qsizetype windows = main_->mdiArea()->subWindowList().size();
    user.answerMessageBox(vbmsg::OK);
    open(odd);
    EXPECT_EQ(std::tuple(user.messageBoxes().at(0).style, main_->mdiArea()->subWindowList().size()),
        std::tuple(int(vbmsg::OKOnly), windows));

    // More guarded matches than a pool has (message 39), or more rows than the grid holds (33): refused
    // before anything is built, the dialog untouched. A 10-byte file may claim 5000 rows of 32767.
    const auto header = [](int rows, int guarded) {  // magic, type, gCols, gRows, R, M, H = 0
        const char b[10] = {5, 0, 1, 1, char(rows & 0xFF), char(rows >> 8), char(guarded & 0xFF), char(guarded >> 8)};
        return QByteArray(b, 10);
    };
    const auto whole = [](int rows, int guarded) {
        SystemFileData w{{.gCols = 1, .gRows = 1, .rows = rows, .guarded = guarded, .signs = {}, .guarantee = {}}, 5};
        w.resizeToCounts();
        return writeSystemFile(w);
    };
    const struct {
        QByteArray bytes;
        std::optional<MessageTextId> message;  // none: opened
    } cases[] = {{header(5000, 32767), kMsgWrongType}, {whole(3, 14), kMsgWrongType},
        {header(32767, 2), kMsgTooManyRows}, {whole(5451, 13), kMsgTooManyRows}, {whole(5450, 13), std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        writeFileBytes(odd, c.bytes);
        dlg->Rader->setText(QStringLiteral("7"));
        const qsizetype before = main_->mdiArea()->subWindowList().size();
        user.clear();
        if (c.message)
            user.answerMessageBox(vbmsg::OK);
        Form2* e = open(odd);
        if (c.message) {
            EXPECT_EQ(boxesShown(user), (Boxes{{MessageText(*c.message), vbmsg::Exclamation}}));
            EXPECT_EQ(std::tuple(main_->mdiArea()->subWindowList().size(), dlg->Rader->Text()),
                std::tuple(before, QStringLiteral("7")));
        } else {
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(std::pair(e->Grid1->Rows(), e->Grid1->Cols()), std::pair(14, 5451));
        }
    }

    // A file without a table, cut inside its signs: reported, and the editor keeps the signs it got
    // but does not count as saved.
    SystemFileData bare{
        {.gCols = 0, .gRows = 0, .rows = 2, .guarded = 2, .fullGuards = 1, .signs = {}, .guarantee = {}}, 5};
    bare.resizeToCounts();
    bare.setSign(1, 1, '1');
    bare.setSign(2, 2, 'X');
    writeFileBytes(odd, writeSystemFile(bare).left(10 + 3));
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    Form2* cut = open(odd);
    EXPECT_EQ(boxesShown(user), (Boxes{{QStringLiteral("Input past end of file"), vbmsg::OKOnly}}));
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(std::tuple(cut->Grid1->TextMatrix(1, 1), cut->Grid1->TextMatrix(2, 2), cut->syssparat),
        std::tuple(QStringLiteral("1"), QString(QChar(0)), false));

    // A cancelled dialog says nothing: any box would fail the scripted user.
    user.cancelFileDialog();
    main_->OppnaSystem->trigger();
}

}  // namespace
