#include "shell/couponexport.h"

#include "frame/Form1.h"
#include "platform/commondialog.h"
#include "platform/vberror.h"
#include "shell/MDIForm1.h"
#include "shell/saveas.h"

#include <new>

void exportCoupons(MDIForm1& main, CouponGame game)
{
    auto* frame = qobject_cast<Form1*>(main.activeChild());
    if (!frame)
        return;
    try {
        CommonDialog& dialog = *main.CommonDialog1;
        dialog.Filter = couponExportFilter(game);
        dialog.FileName = frame->windowTitle();
        const QString path = chooseSaveTarget(dialog);
        writeThroughFileNumberOne(path, writeCouponExport(game, frame->forminnecopy()));
    } catch (const SaveDeclined&) {
        saveAbortPath(main, nullptr);
    } catch (const VbError& e) {
        saveAbortPath(main, &e);
    } catch (const std::bad_alloc&) {
        const VbError e(vberr::OutOfMemory);
        saveAbortPath(main, &e);
    }
}
