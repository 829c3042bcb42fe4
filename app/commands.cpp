#include "app/commands.h"

#include "frame/Form1.h"
#include "frame/framecommands.h"
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

}  // namespace

void registerCommands(MDIForm1& main)
{
    frame::registerCommands(main);
    systems::registerCommands(main, frame::createdRows);
    editmenu::registerCommands(main);
    Form1::frameGuarantee = showFrameGuarantee;
}
