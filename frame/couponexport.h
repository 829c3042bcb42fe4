#pragma once
// The two export commands of the main window: the active frame's created rows as a coupon file.

#include "frame/exportfile.h"

class MDIForm1;

namespace frame {

// Does nothing unless a frame is the active document. A No, a cancel or a failure takes Save As's
// abort path (sparafel set); the old file of the name stays whole until the new one is complete.
void exportCoupons(MDIForm1& main, CouponGame game);

}  // namespace frame
