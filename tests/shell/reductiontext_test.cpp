#include "shell/reductiontext.h"

#include "platform/vbtext.h"
#include "shell/texts/texts.h"

#include <gtest/gtest.h>

TEST(ReductionText, BothLanguagesAndShownInTheRunningOne)
{
    const QString swedish = reductionText(64, 729, 0);
    const QString finnish = reductionText(64, 729, 10000);
    EXPECT_EQ(swedish, u"64" + UIText(125) + u"729" + UIText(126));
    EXPECT_EQ(finnish, u"64" + UIText(10125) + u"729" + UIText(10126));
    for (const QString& text : {swedish, finnish}) {
        EXPECT_EQ(translatedReductionText(text, 0), swedish);
        EXPECT_EQ(translatedReductionText(text, 10000), finnish);
    }
    // The first word without the second is no reduction text of ours: shown as it is.
    for (const QString& odd : {QString(u"64" + UIText(10125) + u"729"), QString(u"64" + vb::RTrim(UIText(10125)))})
        EXPECT_EQ(translatedReductionText(odd, 0), odd);
}
