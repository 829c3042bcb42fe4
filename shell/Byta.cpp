#include "shell/Byta.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/windowhelp.h"
#include "shell/document.h"
#include "shell/editcommands.h"
#include "shell/editmenu.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QPointer>

namespace {

QPointer<Byta> theDialog;

constexpr int kSignCount = 4;
constexpr int kBlank = 3;
constexpr int kTargetX = 1;

// A group of the four signs, the designed one chosen.
std::unique_ptr<OptionArray> signOptions(Frame* group, int chosen)
{
    auto options = std::make_unique<OptionArray>(group, kSignCount);
    for (int i = 0; i < kSignCount; ++i) {
        OptionButton* b = (*options)[static_cast<std::size_t>(i)];
        b->Move(240, 330 + i * 330, 1560, 285);
        if (i != kBlank)
            b->setCaption(editcommands::optionSign(i));
    }
    (*options)[static_cast<std::size_t>(chosen)]->setValue(true);
    return options;
}

}  // namespace

Byta* Byta::instance()
{
    return loadedDialog(theDialog, [] { return new Byta; });
}

Byta::Byta() : LockingDialog(4230, 2520)
{
    setObjectName(QStringLiteral("Byta"));
    SSFrame1 = new Frame(this);
    SSFrame1->Move(180, 120, 1860, 1680);
    SSFrame2 = new Frame(this);
    SSFrame2->Move(2190, 120, 1860, 1680);
    Option1 = signOptions(SSFrame1, kBlank);
    Option2 = signOptions(SSFrame2, 0);
    ok = new CommandButton(this);
    ok->Move(180, 1980, 1860, 375);
    avbryt = new CommandButton(this);
    avbryt->Move(2190, 1980, 1860, 375);
    connect(ok, &CommandButton::Click, this, &Byta::ok_Click);
    connect(avbryt, &CommandButton::Click, this, &Byta::avbryt_Click);
    avbryt->setCancel(true);
}

Byta::~Byta() = default;

void Byta::Form_Load()
{
    setWindowTitle(currentUiText(kUiReplaceItem));
    avbryt->setCaption(currentUiText(kUiCancel));
    ok->setCaption(currentUiText(kUiOK));
    (*Option1)[kBlank]->setCaption(currentUiText(kUiBlank));
    (*Option2)[kBlank]->setCaption(currentUiText(kUiBlank));
    SSFrame1->setCaption(currentUiText(kUiReplaceFrom));
    SSFrame2->setCaption(currentUiText(kUiReplaceTo));
}

void Byta::Form_Activate()
{
    // "X" only where every selected row is a full-guard row. The labels are read without moving the
    // current cell, so a key typed in the editor afterwards never lands in the label column.
    OptionButton* toX = (*Option2)[kTargetX];
    toX->setEnabled(true);
    const Document* doc = activeEditDocument().document;
    if (const Grid* g = doc ? doc->rowsGrid() : nullptr)
        for (int r = g->SelStartRow(); r <= g->SelEndRow(); ++r)
            if (g->TextMatrix(r, 0) != u"1X2")
                toX->setEnabled(false);
    lockMainWindow(true);
}

void Byta::ok_Click()
{
    release();
    Document* doc = activeEditDocument().document;
    Grid* g = doc ? doc->rowsGrid() : nullptr;
    const int from = Option1->selected();
    const int to = Option2->selected();
    if (!g)
        return;
    const QString fromSign = editcommands::optionSign(from);
    const QString toSign = editcommands::optionSign(to);
    bool changed = false;
    for (int c = g->SelStartCol(); c <= g->SelEndCol(); ++c)
        for (int r = g->SelStartRow(); r <= g->SelEndRow(); ++r) {
            g->setCol(c);
            g->setRow(r);
            // A half-guard row keeps its cell where "X" would go, as a typed "X" does.
            if (from != to && g->Text() == fromSign && doc->rowTakesSign(r, toSign)) {
                g->setText(toSign);
                changed = true;
            }
        }
    if (changed)
        doc->cellsEdited();
}
