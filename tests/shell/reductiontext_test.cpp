#include "shell/reductiontext.h"

#include "shell/texts/textids.h"

#include <gtest/gtest.h>

TEST(ReductionText, BothLanguagesAndShownInTheRunningOne)
{
    const auto both = std::pair(QStringLiteral("64 rader av 729 möjliga"), QStringLiteral("64 Rivejä 729 Mahdolliset"));
    EXPECT_EQ(std::pair(reductionText(64, 729, 0), reductionText(64, 729, kFinnishOffset)), both);
    for (const QString& text : {both.first, both.second})
        EXPECT_EQ(std::pair(translatedReductionText(text, 0), translatedReductionText(text, kFinnishOffset)), both);
    // The first word without the second is no reduction text of ours: shown as it is.
    for (const QString& odd : {QStringLiteral("64 Rivejä 729"), QStringLiteral("64 Rivejä")})
        EXPECT_EQ(translatedReductionText(odd, 0), odd);
}
