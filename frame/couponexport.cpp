#include "frame/couponexport.h"

#include "frame/Form1.h"
#include "platform/commondialog.h"
#include "platform/vbcodes.h"
#include "platform/vberror.h"
#include "shell/MDIForm1.h"
#include "shell/saveas.h"

#include <new>

namespace frame {

void exportCoupons(MDIForm1& main, CouponGame game)
{
    Document* document = main.activeDocument();
    if (!document || document->kind() != DocumentKind::Frame)
        return;
    const auto& form = dynamic_cast<const Form1&>(*document);
    try {
        CommonDialog& dialog = *main.CommonDialog1;
        dialog.Filter = couponExportFilter(game);
        dialog.FileName = couponExportName(form.windowTitle(), game);
        const QString path = chooseSaveTarget(dialog);
        writeThroughFileNumberOne(path, writeCouponExport(game, form.state().forminne));
    } catch (const SaveDeclined&) {
        saveAbortPath(main.sparafel, nullptr);
    } catch (const VbError& e) {
        saveAbortPath(main.sparafel, &e);
    } catch (const std::bad_alloc&) {
        const VbError e(vberr::OutOfMemory);
        saveAbortPath(main.sparafel, &e);
    }
}

}  // namespace frame
