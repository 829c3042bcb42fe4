// Every window and dialog in both languages, in the program's own font: each caption of a label,
// button, option button and check box shows whole inside its box (a wrapping label within its height).

#include "frame/Form1.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "printing/printerinst.h"
#include "printing/printruta.h"
#include "shell/Byta.h"
#include "shell/Gatill.h"
#include "shell/frmSplash.h"
#include "shell/garanti.h"
#include "shell/guide.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "systems/garantiram.h"
#include "systems/rattrad.h"
#include "systems/visare.h"

#include <QApplication>
#include <QStyle>

namespace {

// The window a control belongs to: its form, also inside the main window's client area.
QString formOf(const QWidget* w)
{
    while (w->parentWidget() && !w->isWindow() && !qobject_cast<const QMdiSubWindow*>(w->parentWidget()))
        w = w->parentWidget();
    return QString::fromLatin1(w->metaObject()->className());
}

// "form: "caption" needs W x H, has W x H" for a control whose caption does not show whole.
QStringList clippedCaptions(const QWidget* window)
{
    QStringList out;
    const auto report = [&out](const QWidget* w, const QString& text, QSize needs, QSize has) {
        if (needs.width() > has.width() || needs.height() > has.height())
            out << QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
                       .arg(formOf(w), text)
                       .arg(needs.width())
                       .arg(needs.height())
                       .arg(has.width())
                       .arg(has.height());
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isHidden())  // a control kept hidden in this state, or one never shown
            continue;
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* l = qobject_cast<const Label*>(w); l && !l->text().isEmpty()) {
            const QRect has =
                l->contentsRect().marginsRemoved(QMargins(l->margin(), l->margin(), l->margin(), l->margin()));
            const int flags = l->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect needs =
                fm.boundingRect(QRect(0, 0, l->wordWrap() ? has.width() : 100000, 100000), flags, l->text());
            report(w, l->text(), needs.size(), has.size());
        } else if (const auto* b = qobject_cast<const CommandButton*>(w); b && !b->text().isEmpty()) {
            const QStyle* s = b->style();
            const int frame = s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            report(w, b->text(), QSize(fm.horizontalAdvance(b->text()) + frame, fm.height()), b->size());
        } else if (const auto* c = qobject_cast<const QAbstractButton*>(w); c &&
                   (qobject_cast<const CheckBox*>(w) || qobject_cast<const OptionButton*>(w)) &&
                   !c->text().trimmed().isEmpty()) {
            report(w, c->text(), QSize(c->sizeHint().width(), fm.height()), c->size());
        }
    }
    return out;
}

class TextFit : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        font_ = QApplication::font();
        twips::useFormFont();
        config_.writeIni(QByteArray("Language=") + GetParam() + "\r\nAppPath=" + QDir::tempPath().toUtf8() + "\r\n");
        MainWindowTest::SetUp();
        main_->MDIForm_Load();
        processEvents();
    }
    void TearDown() override
    {
        for (QWidget* w : {static_cast<QWidget*>(Gatill::instance()), static_cast<QWidget*>(Byta::instance())})
            delete w;
        MainWindowTest::TearDown();
        QApplication::setFont(font_);
    }
    // Measures window, shown, and adds what is cut off.
    void measure(QWidget* window)
    {
        ASSERT_TRUE(window);
        processEvents();
        clipped_ << clippedCaptions(window);
    }
    // Measures the dialog a command opens, then closes it.
    template <class W>
    void measureDialog(MainCommand command, W* (*dialog)())
    {
        main_->runCommand(command);
        measure(dialog());
        dialog()->close();
    }

    QFont font_;
    QStringList clipped_;
};

TEST_P(TextFit, EveryCaptionShowsWholeInItsBox)
{
    // The main window's hints, each pair of lines in turn.
    for (UiTextId id = kUiNewFrameHint; id.value <= kUiGuideHint.value; id = id + 2) {
        main_->setHint(currentUiText(id), currentUiText(id + 1));
        measure(main_.get());
    }
    main_->clearHint();
    frmSplash splash;
    measure(&splash);
    measure(guide::instance());

    measure(&newFrame());
    measureDialog(MainCommand::GoTo, &Gatill::instance);
    measureDialog(MainCommand::Print, &printruta::instance);
    measure(garantiram::instance());
    measure(visare::instance());
    user.answerMessageBox(vbmsg::OK);  // no calibration file there
    measureDialog(MainCommand::PrinterSettings, &printerinst::instance);
    user.clear();

    main_->runCommand(MainCommand::NewSystem);
    NyttSystemInst* dlg = NyttSystemInst::instance();
    measure(dlg);
    for (int urad : {1, 0}) {  // the base-row choices change captions
        dlg->Option1[static_cast<std::size_t>(urad)]->setValue(true);
        measure(dlg);
    }
    measure(newSystem(2, 1, 3));
    measureDialog(MainCommand::GoTo, &Gatill::instance);
    measureDialog(MainCommand::Replace, &Byta::instance);
    measureDialog(MainCommand::Search, &rattrad::current);
    Grid stored;
    stored.setCols(7);
    stored.setRows(3);
    stored.setTextMatrix(0, 0, QStringLiteral("1"));
    garanti::showFromSlot(stored, 1);
    measure(garanti::loaded());

    clipped_.removeDuplicates();
    EXPECT_EQ(clipped_.join(u'\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextFit, ::testing::Values("Swedish", "Finnish"));

}  // namespace
