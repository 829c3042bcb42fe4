#include "systems/guaranteefill.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/language.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/errorreport.h"
#include "shell/garanti.h"
#include "shell/lockingdialog.h"
#include "shell/reductiontext.h"
#include "shell/texts/textids.h"
#include "systems/guarantee.h"
#include "systems/progress.h"

#include <QPointer>

void showEditorGuarantee(const EditedSystem& editor)
{
    Grid& signs = editor.signs;
    Grid& stored = editor.stored;
    GuaranteeSystem system;
    system.halvgard = vb::CLng(editor.halvgard);
    system.helgard = vb::CLng(editor.helgard);
    system.baseRow = editor.urad == 1;
    system.rows = vb::CLng(editor.rader);
    const int n = system.positions();
    try {
        if (signs.Cols() - 1 < system.rows || signs.Rows() - 1 < n)
            throw VbError(vberr::SubscriptOutOfRange);
        system.codes.resize(std::size_t(system.rows) * std::size_t(n));
        checkGuaranteeSystem(system);
    } catch (const VbError& e) {
        reportError(e);
        return;
    }

    QPointer<garanti> w = garanti::reload();
    MDIForm1* main = MDIForm1::instance();
    if (!w || !main)
        return;
    LockingDialog::lockMainWindow(true);
    for (int r = 0; r < system.rows; ++r)
        for (int k = 0; k < n; ++k)
            system.codes[std::size_t(r) * std::size_t(n) + std::size_t(k)] =
                guaranteeSignCode(signs.TextMatrix(k + 1, r + 1));
    w->writeHeader();

    if (storedGuaranteeCell(stored, 0, 0) == u"1") {
        w->showStored(stored, system.baseRow, stored.Cols(), stored.Rows());
        stored.setTextMatrix(0, 0, QStringLiteral("1"));
        w->kommentarer->setText(storedGuaranteeCell(stored, 0, 2));
        LockingDialog::lockMainWindow(false);
        return;
    }

    ProgressRun run(kUiGuaranteeTableProgress, true);
    w->Label3->setVisible(system.baseRow);
    w->Grid2->setCols(system.baseRow ? 7 : 6);
    w->Grid2->setRows(system.baseRow ? 71 : 6);
    w->showBaseRowColumn(system.baseRow);
    const GuaranteeCounts counts = countGuarantee(system, [&run](long long done, long long total) {
        return run.step(static_cast<double>(done), static_cast<double>(total));
    });
    if (counts.cancelled || !w) {
        run.hideAfterCancel();
        return;
    }
    for (int t = 1; t <= kGuaranteeTableRows; ++t)
        for (int c = 0; c < kGuaranteeCategories; ++c) {
            w->Grid1->setTextMatrix(t, 2 * c, vb::Dec(counts.maximum[std::size_t(t - 1)][std::size_t(c)]));
            w->Grid1->setTextMatrix(t, 2 * c + 1, vb::Dec(counts.minimum[std::size_t(t - 1)][std::size_t(c)]));
        }
    const GuaranteeTable table = guaranteeTableOf(counts, system.baseRow);
    w->Grid2->setRows(table.rows);
    stored.setCols(table.cols);
    stored.setRows(table.rows);
    for (int g = 1; g < table.rows; ++g)
        for (int c = 0; c < table.cols; ++c) {
            w->Grid2->setTextMatrix(g, c, table.cell(c, g));
            stored.setTextMatrix(g, c, table.cell(c, g));
        }
    w->fitColumns();
    const QString text = reductionText(system.rows, counts.outcomes, sprakoffset);
    w->reducering->setCaption(text);
    stored.setTextMatrix(0, 1, text);
    stored.setTextMatrix(0, 0, QStringLiteral("1"));
    w->kommentarer->setText(stored.TextMatrix(0, 2));
    run.finish(ProgressRun::FinishOrder::EnableThenHide);
}
