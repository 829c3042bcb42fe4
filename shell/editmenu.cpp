#include "shell/editmenu.h"

#include "platform/grid.h"
#include "platform/userinterface.h"
#include "platform/vbsystem.h"
#include "shell/Byta.h"
#include "shell/Gatill.h"
#include "shell/MDIForm1.h"
#include "shell/document.h"
#include "shell/editcommands.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>

using editcommands::Selection;

namespace {

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
    const DocumentKind kind = doc.document ? doc.document->kind() : DocumentKind::None;
    return editcommands::editItems(kind, doc.focusedGrid != nullptr, !ClipboardGetText().isEmpty());
}

}  // namespace

EditDocument activeEditDocument()
{
    EditDocument doc;
    MDIForm1* main = MDIForm1::instance();
    doc.document = main ? main->activeDocument() : nullptr;
    if (const auto* child = dynamic_cast<const QWidget*>(doc.document))
        doc.focusedGrid = qobject_cast<Grid*>(child->focusWidget());
    return doc;
}

namespace editmenu {

void registerCommands(MDIForm1& main)
{
    main.setCommand(MainCommand::Cut, klipput_Click);
    main.setCommand(MainCommand::Copy, kopiera_Click);
    main.setCommand(MainCommand::Paste, klistrain_Click);
    main.setCommand(MainCommand::Delete, tabort_Click);
    main.setCommand(MainCommand::GoTo, [] { Gatill::instance()->showDialog(); });
    main.setCommand(MainCommand::Replace, [] { Byta::instance()->showDialog(); });
    // The items, and with them their shortcut keys, follow the active document, the focused control
    // and the clipboard, so a key works without the menu having been opened.
    const auto update = [&main] {
        if (MDIForm1::instance() == &main)
            main.edit_Click();
    };
    QObject::connect(main.mdiArea(), &QMdiArea::subWindowActivated, &main, update);
    QObject::connect(qApp, &QApplication::focusChanged, &main, [&main, update](QWidget*, QWidget* now) {
        if (now && now->window() == &main)
            update();
    });
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &main, update);
}

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
    doc.document->cellsEdited();
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
        [] { return MsgBox(currentMessageText(kMsgPasteOutside), vbmsg::OKCancel | vbmsg::Exclamation) == vbmsg::OK; });
    // Start first, so a selection made upwards or leftwards is not turned around.
    g.setSelStartRow(plan.selection.startRow);
    g.setSelEndRow(plan.selection.endRow);
    g.setSelStartCol(plan.selection.startCol);
    g.setSelEndCol(plan.selection.endCol);
    if (!plan.write)
        return;
    doc.document->cellsEdited();
    g.setClip(t);
}

}  // namespace editmenu
