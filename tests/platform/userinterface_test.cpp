#include "platform/commondialog.h"
#include "platform/language.h"
#include "platform/vbsystem.h"

#include "support/qtdialogs.h"
#include "support/scripteduser.h"
#include "support/testhelpers.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPrinter>
#include <QSpinBox>
#include <algorithm>
#include <gtest/gtest-spi.h>

TEST(UserInterface, AnUnscriptedBoxFailsTheTestButAnswersHarmlesslyAndTheScriptedUserUninstallsItself)
{
    UserInterface* desktop = &UserInterface::current();
    {
        ScriptedUser user;
        EXPECT_EQ(&UserInterface::current(), &user);
        int result = 0;
        EXPECT_NONFATAL_FAILURE(
            result = MsgBox(QStringLiteral("?"), vbmsg::YesNoCancel + vbmsg::Question), "unexpected message box");
        EXPECT_EQ(result, vbmsg::Cancel);
        std::optional<QString> path = QStringLiteral("x");
        EXPECT_NONFATAL_FAILURE(path = user.fileDialog(FileDialogRequest{}), "unexpected file dialog");
        EXPECT_EQ(path, std::nullopt);
    }
    EXPECT_EQ(&UserInterface::current(), desktop);
}

TEST(UserInterface, StylesGiveTheirButtonsAndEscapeAnswersAndVbFiltersBecomeQtFilters)
{
    using B = std::vector<int>;
    const std::tuple<int, B, int> cases[] = {{vbmsg::OKOnly + vbmsg::Critical, B{vbmsg::OK}, vbmsg::OK},
        {vbmsg::YesNoCancel + vbmsg::Question, B{vbmsg::Yes, vbmsg::No, vbmsg::Cancel}, vbmsg::Cancel},
        {vbmsg::YesNo, B{vbmsg::Yes, vbmsg::No}, vbmsg::No},
        {vbmsg::OKCancel + vbmsg::Exclamation, B{vbmsg::OK, vbmsg::Cancel}, vbmsg::Cancel}};
    for (const auto& [style, buttons, escape] : cases)
        EXPECT_EQ(std::pair(messageBoxButtons(style), escapeResult(style)), std::pair(buttons, escape)) << style;

    const QStringList frameFilters = qtFilters(QStringLiteral("Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*"));
    EXPECT_EQ(frameFilters, (QStringList{QStringLiteral("Systemram (*.1X2)"), QStringLiteral("Alla filer (*)")}));
    // "Alla filer" shows a file without a dot too.
    const QString all = frameFilters.value(1).section(u'(', 1).chopped(1);
    EXPECT_EQ(std::tuple(QDir::match(all, QStringLiteral("walkram")), QDir::match(all, QStringLiteral("a.1X2"))),
        std::tuple(true, true));
    EXPECT_EQ(qtFilters(QStringLiteral("System|*.RM;*.RU;*.KU")) + qtFilters(QString()),
        QStringList{QStringLiteral("System (*.RM *.RU *.KU)")});
}

// The desktop's own boxes and file dialogs in each language: what they show, read while they are up.
// A box is wide enough for its whole title.
TEST(UserInterface, DesktopBoxButtonsAndFileDialogTitlesSpeakTheRunningLanguageAndBoxesShowTheirTitle)
{
    // The buttons Yes, No, Cancel, then OK, and the titles of the open and the save dialog, "|" between.
    const std::pair<std::int16_t, const char16_t*> cases[] = {
        {0, u"Ja|Nej|Avbryt|OK|Öppna|Spara som"}, {10000, u"Kyllä|Ei|Peruuta|OK|Avaa|Tallenna nimellä"}};
    for (const auto& [offset, texts] : cases) {
        SCOPED_TRACE(offset);
        sprakoffset = offset;
        const QStringList want = QString::fromUtf16(texts).split(u'|');
        QStringList shown;
        for (int style : {vbmsg::YesNoCancel + vbmsg::Question, int(vbmsg::OKOnly)}) {
            onNextModal(nullptr, [&shown](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                ASSERT_TRUE(box);
                // "?" alone would leave no room in the title bar for "Velkorin" and its buttons.
                const QFontMetrics metrics(box->font());
                EXPECT_GE(box->minimumWidth(), metrics.horizontalAdvance(box->windowTitle()) + 8 * metrics.height());
                QList<QAbstractButton*> buttons = box->buttons();
                std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
                    return a->property("vbResult").toInt() < b->property("vbResult").toInt();
                });
                for (QAbstractButton* b : buttons)
                    shown << b->text();
                buttons.back()->click();
            });
            MsgBox(QStringLiteral("?"), style);
        }
        // Sorted by result: Cancel 2, Yes 6, No 7, then OK 1 of the second box.
        EXPECT_EQ((QStringList{shown.value(1), shown.value(2), shown.value(0), shown.value(3)}), want.mid(0, 4));

        QStringList titles;
        for (bool save : {false, true}) {
            onNextModal(nullptr, [&titles](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                ASSERT_TRUE(dialog);
                titles << dialog->windowTitle() << dialog->labelText(QFileDialog::Reject);
                dialog->reject();
            });
            FileDialogRequest request;
            request.save = save;
            EXPECT_EQ(UserInterface::current().fileDialog(request), std::nullopt);
        }
        EXPECT_EQ(titles, (QStringList{want[4], want[2], want[5], want[2]}));
    }
    sprakoffset = 0;
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

// The print prints the print dialog's own coupon range once: Qt's printer dialog offers no page range
// and no copy count, not even in its options pane.
TEST(UserInterface, PrinterSetupOffersNeitherAPageRangeNorACopyCount)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    bool inspected = false;
    onNextModal(nullptr, [&](QWidget* dialog) {
        buttonWithRole(dialog, QDialogButtonBox::ResetRole)->click();  // "Options >>"
        EXPECT_TRUE(dialog->findChild<QWidget*>(QStringLiteral("tabs"))->isVisibleTo(dialog));
        for (const QSpinBox* box : dialog->findChildren<QSpinBox*>())
            EXPECT_FALSE(box->isVisibleTo(dialog)) << box->objectName().toStdString();
        inspected = true;
        qobject_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(UserInterface::current().printerSetup(printer));
    EXPECT_TRUE(inspected);
}

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

TEST(VbSystem, ClipboardHandsOutItsTextWithCrLfLineBreaks)
{
    ClipboardClear();
    EXPECT_FALSE(ClipboardHasText());
    for (const QString& put : {QStringLiteral("1\tX\r\n2\t1\r\nX\n"), QStringLiteral("1\tX\n2\t1\nX\n"),
             QStringLiteral("1\tX\r2\t1\rX\r\n")}) {
        ClipboardSetText(put);
        EXPECT_EQ(std::pair(ClipboardHasText(), ClipboardGetText()),
            std::pair(true, QStringLiteral("1\tX\r\n2\t1\r\nX\r\n")));
    }
    ClipboardClear();
    EXPECT_EQ(ClipboardGetText(), QString());
}
