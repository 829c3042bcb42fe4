#include "platform/vbsystem.h"

#include <gtest/gtest.h>

TEST(VbSystem, ClipboardHoldsPlainTextWithLineBreaksAsGiven)
{
    ClipboardClear();
    EXPECT_FALSE(ClipboardHasText());
    ClipboardSetText(QStringLiteral("1\tX\r\n2\t1"));
    EXPECT_EQ(std::pair(ClipboardHasText(), ClipboardGetText()), std::pair(true, QStringLiteral("1\tX\r\n2\t1")));
    ClipboardClear();
    EXPECT_EQ(ClipboardGetText(), QString());
}
