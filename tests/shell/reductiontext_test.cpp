#include "shell/reductiontext.h"

#include "platform/vbtext.h"
#include "shell/texts/texts.h"

#include <gtest/gtest.h>

namespace {

TEST(ReductionText, BothLanguagesAndShownInTheRunningOne)
{
    const QString swedish = reductionText(64, 729, 0);
    const QString finnish = reductionText(64, 729, 10000);
    EXPECT_EQ(swedish, u"64" + UIText(125) + u"729" + UIText(126));
    EXPECT_EQ(finnish, u"64" + UIText(10125) + u"729" + UIText(10126));
    EXPECT_EQ(translatedReductionText(finnish, 0), swedish);
    EXPECT_EQ(translatedReductionText(swedish, 10000), finnish);
    EXPECT_EQ(translatedReductionText(swedish, 0), swedish);
    EXPECT_EQ(translatedReductionText(finnish, 10000), finnish);
    // The first word without the second is no reduction text of ours: shown as it is.
    const QString odd = u"64" + UIText(10125) + u"729";
    EXPECT_EQ(translatedReductionText(odd, 0), odd);
    const QString cut = u"64" + vb::RTrim(UIText(10125));
    EXPECT_EQ(translatedReductionText(cut, 0), cut);
}

}  // namespace
