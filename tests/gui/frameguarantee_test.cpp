// "Ram garanti" on a frame whose rows were made by a real "Skapa": the result window, its captions
// and shares, "OK", and a cancel in the second stage that shows nothing and keeps the old result.

#include "platform/controls.h"
#include "support/framewindow.h"
#include "systems/garantiram.h"
#include "systems/visare.h"

#include <QTimer>

namespace {

using namespace std::chrono_literals;

class FrameGuaranteeWindow : public FrameWindowTest {
protected:
    void TearDown() override
    {
        garantiram::progressClock = {};
        visare::instance()->hide();
        FrameWindowTest::TearDown();
    }
};

}  // namespace

TEST_F(FrameGuaranteeWindow, ShowsTheSharesOfTheCreatedRowsOkHidesItAndACancelInTheSecondStageKeepsThem)
{
    // Mathematical full guards on matches 1-3, filtered to the 8 rows without "1": an outcome's
    // distance to them is its number of "1".
    mathematical("FFF");
    setFilter(true, {"0", "13", "13", "0", "0", "0"});
    user.answerMessageBox(vbmsg::OK);
    form_->ok->click();
    ASSERT_EQ(
        std::tuple(form_->Allrad->Caption(), form_->ramgaranti->isVisible()), std::tuple(QStringLiteral("8"), true));
    user.clear();
    form_->ramgaranti->click();

    garantiram* w = garantiram::instance();
    const auto shares = [w] {
        QStringList out;
        for (const Label* l : w->Label4)
            out << l->Caption();
        return out;
    };
    EXPECT_EQ(std::tuple(w->isVisible(), main_->Enabled(), visare::instance()->isVisible(), user.shown().size()),
        std::tuple(true, true, false, 0u));
    // 8, 12, 6 and 1 of 27 outcomes.
    EXPECT_EQ(shares(), withLocaleDecimal("29,6%|44,4%|22,2%|3,7%|0%").split(u'|'));
    QString captions = w->windowTitle() + w->Label1->Caption();
    for (const Label* l : w->Label2)
        captions += l->Caption();
    EXPECT_EQ(captions + w->Label3->Caption() + w->ok->Caption(),
        u"Garantitabell för ramenChans till:13 rätt12 rätt11 rätt10 rätt0-9 rättProcent:OK");
    // Inside the main window, nothing cut off.
    bool inside = main_->frameGeometry().contains(w->frameGeometry().center()) && w->rect().contains(w->ok->geometry());
    for (const Label* l : w->Label4)
        inside = inside && w->rect().contains(l->geometry());
    EXPECT_TRUE(inside);

    w->ok->click();
    EXPECT_EQ(std::tuple(w->isVisible(), main_->Enabled()), std::tuple(false, true));

    // Cancel in the second stage. Captions this frame would not give, to see that nothing is written.
    for (Label* l : w->Label4)
        l->setCaption(QStringLiteral("old"));

    // Every step lets events run; "Avbryt" is pressed once the bar has reached the second stage.
    garantiram::progressClock = [t = std::chrono::steady_clock::time_point{}]() mutable { return t += 1s; };
    visare* v = visare::instance();
    bool pressed = false;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, &watcher, [v, &pressed] {
        if (!pressed && v->isVisible() &&
            v->Picture1->surface().pixel(BarArea::pixelX(495) - 1, BarArea::pixelY(145)) == 0xFF0000FF) {
            pressed = true;
            QTest::mouseClick(v->avbryt, Qt::LeftButton);
        }
    });
    watcher.start();
    form_->ramgaranti->click();
    watcher.stop();

    EXPECT_EQ(shares(), QStringList(5, QStringLiteral("old")));
    EXPECT_EQ(std::tuple(pressed, w->isVisible(), v->isVisible(), main_->Enabled(), user.shown().size()),
        std::tuple(true, false, false, true, 0u));
}
