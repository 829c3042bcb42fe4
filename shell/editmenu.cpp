#include "shell/editmenu.h"

#include "frame/Form1.h"
#include "platform/grid.h"
#include "platform/userinterface.h"
#include "platform/vbsystem.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "shell/editcommands.h"
#include "systems/Form2.h"

#include <QAction>

using editcommands::Selection;

namespace {

constexpr int kMsgPasteOutside = 9;

Selection selectionOf(const Grid& g) { return {g.SelStartRow(), g.SelEndRow(), g.SelStartCol(), g.SelEndCol()}; }

// Columns first, rows within; the current cell ends on the last emptied cell.
void emptySelection(Grid& g)
{
    const Selection s = selectionOf(g);
    for (int c = s.startCol; c <= s.endCol; ++c)
        for (int r = s.startRow; r <= s.endRow; ++r) {
            g.setCol(c);
            g.setRow(r);
            g.setText(QString());
        }
}

editcommands::EditItems itemsNow(const EditDocument& doc)
{
    return editcommands::editItems(doc.kind, doc.focusedGrid != nullptr, !ClipboardGetText().isEmpty());
}

}  // namespace

// The one place that knows the document classes.
EditDocument activeEditDocument()
{
    EditDocument doc;
    MDIForm1* main = MDIForm1::instance();
    QWidget* child = main ? main->activeChild() : nullptr;
    if (!child)
        return doc;
    doc.kind = main->aktivtyp;
    doc.focusedGrid = qobject_cast<Grid*>(child->focusWidget());
    if (auto* system = qobject_cast<Form2*>(child)) {
        doc.systemGrid = system->Grid1;
        doc.markChanged = [system] { system->markChanged(); };
    } else if (auto* frame = qobject_cast<Form1*>(child)) {
        doc.goToCoupon = [frame](const QString& number) { frame->Command1_Click(5, number); };
    }
    return doc;
}

namespace editmenu {

void edit_Click(MDIForm1& main)
{
    const editcommands::EditItems items = itemsNow(activeEditDocument());
    main.klipput->setEnabled(items.klipput);
    main.kopiera->setEnabled(items.kopiera);
    main.klistrain->setEnabled(items.klistrain);
    main.tabort->setEnabled(items.tabort);
    main.gatillmenu->setEnabled(items.gatillmenu);
    main.bytut->setEnabled(items.bytut);
}

// A shortcut works before the menu was first opened: each command asks the menu's rule itself.

void kopiera_Click()
{
    const EditDocument doc = activeEditDocument();
    if (!itemsNow(doc).kopiera)
        return;
    ClipboardClear();
    ClipboardSetText(editcommands::clipboardText(doc.focusedGrid->Clip()));
}

void klipput_Click()
{
    const EditDocument doc = activeEditDocument();
    if (!itemsNow(doc).klipput)
        return;
    kopiera_Click();
    tabort_Click();
}

void tabort_Click()
{
    const EditDocument doc = activeEditDocument();
    if (!itemsNow(doc).tabort)
        return;
    emptySelection(*doc.focusedGrid);
    if (doc.markChanged)
        doc.markChanged();
}

void klistrain_Click()
{
    const EditDocument doc = activeEditDocument();
    if (!itemsNow(doc).klistrain)
        return;
    const QString t = editcommands::pasteText(ClipboardGetText());
    if (t.isEmpty())
        return;
    Grid& g = *doc.focusedGrid;
    const editcommands::PastePlan plan = editcommands::planPaste(t, selectionOf(g), g.Rows(), g.Cols(),
        [] { return MsgBox(messageText(kMsgPasteOutside), vbmsg::OKCancel | vbmsg::Exclamation) == vbmsg::OK; });
    // Start first, so a selection made upwards or leftwards is not turned around.
    g.setSelStartRow(plan.selection.startRow);
    g.setSelEndRow(plan.selection.endRow);
    g.setSelStartCol(plan.selection.startCol);
    g.setSelEndCol(plan.selection.endCol);
    if (!plan.write)
        return;
    if (doc.markChanged)
        doc.markChanged();
    g.setClip(t);
}

}  // namespace editmenu
