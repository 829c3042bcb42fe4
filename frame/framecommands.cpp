#include "frame/framecommands.h"

#include "frame/Form1.h"
#include "frame/couponexport.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

namespace frame {

namespace {

// "Namnlös" and the running number of frames opened in this run.
Form1* newFrame(MDIForm1& main)
{
    ++main.ramnummer;
    auto* form = new Form1;
    form->setWindowTitle(currentUiText(kUiUntitledFrame) + vb::Str(main.ramnummer));
    return form;
}

}  // namespace

void registerCommands(MDIForm1& main)
{
    main.setCommand(MainCommand::NewFrame, [&main] { main.addChild(newFrame(main)); });
    main.setCommand(MainCommand::OpenFrame, [&main] {
        // The frame reads its file when it is first activated.
        Form1* form = newFrame(main);
        form->Tag = QStringLiteral("ladda");
        main.addChild(form);
    });
    main.setCommand(MainCommand::ExportStryktipset, [&main] { exportCoupons(main, CouponGame::Stryktipset); });
    main.setCommand(MainCommand::ExportEuropatipset, [&main] { exportCoupons(main, CouponGame::Europatipset); });
}

RowMatrix createdRows(const Document& document) { return dynamic_cast<const Form1&>(document).state().forminne; }

}  // namespace frame
