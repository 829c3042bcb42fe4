#include "systems/garantiram.h"

#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/vbtext.h"
#include "platform/windowhelp.h"
#include "shell/MDIForm1.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/progress.h"

#include <QPointer>

#include <algorithm>

namespace {

QPointer<garantiram> theWindow;

// Layout in twips: the captions of the lines on the left, their shares on the right.
constexpr int kClientWidth = 4320;  // wide enough for the caption bar's title
constexpr int kClientHeight = 2940;
constexpr int kLeftColumn = 240;
constexpr int kRightColumn = 2520;
constexpr int kFirstLine = 660;
constexpr int kLineStep = 330;

Label* place(QWidget* parent, int left, int top, int width)
{
    auto* l = new Label(parent);
    l->Move(left, top, width, 255);
    return l;
}

}  // namespace

std::function<std::chrono::steady_clock::time_point()> garantiram::progressClock;

garantiram* garantiram::instance()
{
    if (!theWindow) {
        theWindow = new garantiram(MDIForm1::instance());
        theWindow->Form_Load();
    }
    return theWindow;
}

garantiram::garantiram(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("garantiram"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(twips::toPixelsX(kClientWidth), twips::toPixelsY(kClientHeight));
    MDIForm1::clearHintOnMouseMove({this});
    Label1 = place(this, kLeftColumn, 240, 1680);
    Label3 = place(this, kRightColumn, 240, 1320);
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        const int top = kFirstLine + static_cast<int>(i) * kLineStep;
        Label2[i] = place(this, kLeftColumn, top, 1680);
        Label4[i] = place(this, kRightColumn, top, 1320);
    }
    ok = new CommandButton(this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->Move((kClientWidth - 1290) / 2, 2400, 1290, 375);
    connect(ok, &CommandButton::Click, this, &garantiram::ok_Click);
}

void garantiram::Form_Load()
{
    setWindowTitle(currentUiText(kUiFrameGuaranteeCaption));
    Label1->setCaption(currentUiText(kUiChanceOf));
    for (std::size_t i = 0; i < Label2.size(); ++i)
        Label2[i]->setCaption(currentUiText(kUiFrameGuaranteeLevel + static_cast<int>(i)));
    Label3->setCaption(currentUiText(kUiPercent));
    ok->setCaption(currentUiText(kUiOK));
}

void garantiram::ok_Click() { hide(); }

void garantiram::showModeless() { showDialogWindow(this, placed_); }

void garantiram::showFrameGuarantee(const RowMatrix& rows, const QString& rowTotal, const frameguarantee::Marks& marks)
{
    // Rows 0 .. N - 1 of the caption's N; no more than the matrix holds.
    const double total = std::clamp(vb::Int(vb::Val(rowTotal)), 0.0, static_cast<double>(rows.upperRow() + 1));
    frameguarantee::Counts counts;
    {
        ProgressRun run(kUiFrameGuaranteeProgress);
        if (progressClock)
            run.now = progressClock;
        counts = frameguarantee::compute(rows, static_cast<long long>(total), marks,
            [&run](double x) { return run.step(x, ProgressRun::FullLength); });
        if (counts.cancelled) {
            run.hideAfterCancel();
            return;
        }
        run.finish(ProgressRun::FinishOrder::HideThenEnable);
    }
    garantiram* w = instance();
    w->showModeless();
    const std::array<QString, 5> texts = frameguarantee::resultTexts(counts);
    for (std::size_t i = 0; i < texts.size(); ++i)
        w->Label4[i]->setCaption(texts[i]);
}
