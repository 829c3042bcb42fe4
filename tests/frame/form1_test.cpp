// The frame window on its own: captions on load, the editing handlers reached through the controls,
// the row-count box, "Skapa" over rows already made and after an error, and the close prompt.

#include "frame/Form1.h"
#include "frame/couponview.h"
#include "platform/controls.h"
#include "platform/language.h"
#include "platform/vbsystem.h"
#include "shell/application.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "slotfill.h"
#include "support/textof.h"

#include <QCoreApplication>
#include <QImage>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct FrameWindow : ::testing::Test {
    void SetUp() override { sprakoffset = 0; }
    ScriptedUser user;
    Form1 form;
};

}  // namespace

TEST_F(FrameWindow, NewFrameCaptionsAndState)
{
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(form.Label3[s]->Caption() + form.System[s]->Tag + form.Grid1[s]->Tag, u"Inget system00") << s;
    EXPECT_EQ(
        std::tuple(form.System[0]->Visible(), form.System[3]->Visible(), form.ok->Caption(), form.Text1[0]->Text(),
            form.Text2->Text(), form.Allrad->Caption(), form.forminnecopy() == RowMatrix(1, 1)),
        std::tuple(true, false, u"Skapa"_s, u"34"_s, u"1"_s, u"1"_s, true));
    EXPECT_EQ(form.Label8->Caption(), UIText(kUiMathematicalNote));
    for (int i = 1; i < form.Grid2->Cols(); ++i)
        EXPECT_EQ(form.Grid2->TextMatrix(0, i), QString(QLatin1Char(" 1X2"[i % 4])).trimmed()) << i;
    EXPECT_TRUE(form.close());  // saved: no prompt
    EXPECT_TRUE(user.messageBoxes().empty());
}

// Nothing cut off or across a border: the signs in the middle of their boxes, "Skapa" inside its
// panel, the coupon heading whole for the highest row numbers.
TEST_F(FrameWindow, SignsSkapaAndCouponHeadingFitWhereTheyAre)
{
    Q_EMIT form.Label1[0]->Click();
    form.show();
    Label& cell = *form.Label1[0];
    const QImage image = cell.grab().toImage();
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = cell.contentsRect().left(); x <= cell.contentsRect().right(); ++x)
            if (qGray(image.pixel(x, y)) < 80) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, top);  // the sign was drawn
    EXPECT_NEAR(top + bottom, 2 * cell.contentsRect().center().y(), 3);

    const int border = form.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, form.systempanel);
    EXPECT_TRUE(form.systempanel->rect().adjusted(border, border, -border, -border).contains(form.ok->geometry()));

    const QString highest = couponview::caption(9999990, UIText(kUiCouponRows), UIText(kUiCouponRowsDash));
    EXPECT_LE(form.Label4->fontMetrics().horizontalAdvance(highest), form.Label4->contentsRect().width());
    EXPECT_TRUE(form.grid2frame->rect().contains(form.Label4->geometry()));
    EXPECT_FALSE(form.Label4->geometry().intersects(form.Command1[0]->geometry()));
}

TEST_F(FrameWindow, CellClicksAndBoxesShowTheModelAndItsMessages)
{
    Q_EMIT form.Label1[4]->Click();
    EXPECT_EQ(form.Label1[4]->Caption(), u"X");
    user.answerMessageBox(vbmsg::OK);
    Q_EMIT form.Label1[5]->Click();
    EXPECT_EQ(std::pair(boxesShown(user), form.Label1[5]->Caption()),
        std::pair(Boxes{{QStringLiteral("Du måste ladda in ett system genom att trycka på 'Öppna'."), 48}}, QString()));

    form.change([](frame::FrameEditing& ram) { frametest::fillSlot(ram, 0, {0, 27, 3, 0, QStringLiteral("A.RM")}); });
    Q_EMIT form.Label1[5]->Click();
    EXPECT_EQ(std::tuple(form.Allrad->Caption(), form.state().Allrad, form.Label5[1]->Caption(),
                  form.InsHalv[0]->Caption(), form.Label1[5]->ForeColor()),
        std::tuple(u"27"_s, u"27"_s, u"A.RM"_s, u"1/3"_s, frame::GuardColour::Green));

    // The row-count and percent boxes repair what is typed; the spin buttons step them.
    form.Text2->setText(QStringLiteral("20abc"));
    EXPECT_EQ(form.Text2->Text() + form.state().Text2, u"2020");
    form.Text2->setText(QStringLiteral("0"));
    EXPECT_EQ(form.Text2->Text(), u"1");
    Q_EMIT form.SpinButton1[1]->SpinDown();
    Q_EMIT form.SpinButton1[0]->SpinUp();
    EXPECT_EQ(form.Text1[0]->Text() + form.Text1[1]->Text(), u"3532");
    // Keys and pastes that would leave anything but 0..100 in a percent box are refused.
    form.Text1[2]->clear();
    QTest::keyClicks(form.Text1[2], QStringLiteral("-5a1.50"));
    EXPECT_EQ(form.Text1[2]->Text() + u'|' + form.state().Text1[2], u"51|51");
    auto paste = [this](const QString& text, bool replace) -> QString {
        ClipboardSetText(text);
        replace ? form.Text1[2]->selectAll() : form.Text1[2]->end(false);
        form.Text1[2]->paste();
        return form.Text1[2]->Text() + u'|' + form.state().Text1[2];
    };
    EXPECT_EQ(paste(QStringLiteral("150"), true), u"51|51");
    EXPECT_EQ(paste(QStringLiteral("0"), false), u"51|51");
    EXPECT_EQ(paste(QStringLiteral("100"), true), u"100|100");

    form.Option1[3]->click();
    EXPECT_EQ(std::tuple(form.state().mode, form.System[3]->Visible(), form.System[0]->Visible()),
        std::tuple(frame::Mode::Procent, true, false));
    form.setSystemsparat(true);  // leave without a prompt
}

TEST_F(FrameWindow, SkapaWithoutAnEditRecordsTheMarksForTheFrameGuarantee)
{
    // A frame read with its rows: made, but the marks of the run that made them were never recorded.
    form.Option1[4]->click();
    for (int i : {0, 1, 3, 4, 5, 10, 11})  // "1X", "1X2", "X2"
        Q_EMIT form.Label1[i]->Click();
    form.change([](frame::FrameEditing& ram) { ram.skapat = true; });
    form.OK_Click();
    EXPECT_EQ(std::tuple(user.messageBoxes().empty(), form.antalmarkerade, form.ettamarkerad),
        std::tuple(true, std::array<std::uint8_t, 14>{2, 3, 0, 2}, std::array<std::uint8_t, 14>{1, 1, 0, 0}));
    form.setSystemsparat(true);
}

// An error out of row creation (memory short, say) is the application's to report; the frame is
// back in editing, and "Skapa", the cells and closing work again.
TEST_F(FrameWindow, ErrorDuringSkapaLeavesTheFrameUsable)
{
    struct Failing final : rowcreation::UniformSource {
        double next() override { throw std::bad_alloc(); }
    } failing;
    form.Option1[3]->click();
    Q_EMIT form.Label1[0]->Click();  // a percent match: its rows are drawn
    form.Text2->setText(QStringLiteral("5"));
    form.rowRandom = &failing;
    user.answerMessageBox(vbmsg::OK);
    EXPECT_FALSE(deliverReportingErrors([this] {
        form.OK_Click();
        return true;
    }));
    EXPECT_EQ(std::tuple(boxesShown(user), form.systempanel->Visible(), form.AvbrytBe->Visible()),
        std::tuple(Boxes{{MessageText(kMsgUnexpectedError) + u" Error: 7", vbmsg::Critical}}, true, false));

    Q_EMIT form.Label1[3]->Click();
    EXPECT_EQ(form.Label5[1]->Caption(), form.Label5[0]->Caption());
    form.rowRandom = &rowcreation::programRandom();
    form.OK_Click();
    EXPECT_EQ(std::tuple(form.grid2frame->Visible(), form.forminnecopy().upperRow()), std::tuple(true, 5));
    form.setSystemsparat(true);
    EXPECT_TRUE(form.close());
}

TEST_F(FrameWindow, ClosePromptAfterAnEdit)
{
    form.setWindowTitle(QStringLiteral("Namnlös 1"));
    form.show();
    Q_EMIT form.Label1[0]->Click();
    user.answerMessageBox(vbmsg::Cancel).answerMessageBox(vbmsg::No);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(boxesShown(user),
        (Boxes{{MessageText(kMsgFrameUnsaved) + u"Namnlös 1" + MessageText(kMsgUnsavedQuestion),
            vbmsg::YesNoCancel | vbmsg::Question}}));
    EXPECT_TRUE(form.close());
}
