#include "app/commands.h"

#include "frame/Form1.h"
#include "frame/framecommands.h"
#include "printing/printcommands.h"
#include "printing/printjob.h"
#include "printing/printruta.h"
#include "shell/MDIForm1.h"
#include "systems/systemcommands.h"

namespace {

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
        if (!activeFrame(main))
            return;
        printruta::instance()->showDialog([&main] {
            if (Form1* frame = activeFrame(main))
                frame->utskrift_Click(printFrameRows);
        });
    });
}

}  // namespace

void registerCommands(MDIForm1& main)
{
    frame::registerCommands(main);
    systems::registerCommands(main);
    printing::registerCommands(main);
    registerPrint(main);
}
