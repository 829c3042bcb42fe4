#include "app/commands.h"

#include "frame/Form1.h"
#include "frame/framecommands.h"
#include "printing/printcommands.h"
#include "printing/printjob.h"
#include "printing/printruta.h"
#include "shell/MDIForm1.h"
#include "shell/editmenu.h"
#include "systems/garantiram.h"
#include "systems/systemcommands.h"

namespace {

// The frame's "Ram garanti" opens the systems' frame guarantee window on the created rows.
void showFrameGuarantee(const Form1& form)
{
    garantiram::showFrameGuarantee(
        form.state().forminne, form.state().Allrad, {form.antalmarkerade, form.ettamarkerad});
}

Form1* activeFrame(const MDIForm1& main)
{
    Document* document = main.activeDocument();
    return document && document->kind() == DocumentKind::Frame ? dynamic_cast<Form1*>(document) : nullptr;
}

// Printing and frames know nothing of each other: the print dialog of the printing library, and
// its "Skriv ut" printing the rows of the frame active at that moment.
void registerPrint(MDIForm1& main)
{
    main.setCommand(MainCommand::Print, [&main] {
        const Form1* shown = activeFrame(main);
        if (!shown)
            return;
        printruta::instance()->showDialog(shown->windowTitle(), [&main] {
            if (Form1* frame = activeFrame(main))
                frame->utskrift_Click(printFrameRows);
        });
    });
}

}  // namespace

void registerCommands(MDIForm1& main)
{
    frame::registerCommands(main);
    systems::registerCommands(main, frame::createdRows);
    editmenu::registerCommands(main);
    Form1::frameGuarantee = showFrameGuarantee;
    printing::registerCommands(main);
    registerPrint(main);
}
