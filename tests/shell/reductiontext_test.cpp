#include "shell/reductiontext.h"

#include "shell/texts/textids.h"

#include <gtest/gtest.h>

TEST(ReductionText, BothLanguagesAndShownInTheRunningOne)
{
    const QString swedish = reductionText(64, 729, 0);
    const QString finnish = reductionText(64, 729, kFinnishOffset);
    EXPECT_EQ(swedish, u"64 rader av 729 möjliga");
    EXPECT_EQ(finnish, u"64 Rivejä 729 Mahdolliset");
    for (const QString& text : {swedish, finnish}) {
        EXPECT_EQ(translatedReductionText(text, 0), swedish);
        EXPECT_EQ(translatedReductionText(text, kFinnishOffset), finnish);
    }
    // The first word without the second is no reduction text of ours: shown as it is.
    for (const QString& odd : {QStringLiteral("64 Rivejä 729"), QStringLiteral("64 Rivejä")})
        EXPECT_EQ(translatedReductionText(odd, 0), odd);
}
