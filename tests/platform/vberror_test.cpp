#include "platform/vberror.h"

#include <gtest/gtest.h>

TEST(VbError, CarriesNumberAndTheOldDescription)
{
    const VbError e(vberr::InputPastEnd);
    EXPECT_EQ(e.number(), 62);
    EXPECT_EQ(e.description(), QStringLiteral("Input past end of file"));
    EXPECT_STREQ(e.what(), "Input past end of file");
    EXPECT_EQ(VbError(vberr::DialogCancelled).number(), 32755);
    EXPECT_EQ(VbError(123456).description(), QStringLiteral("Application-defined or object-defined error"));
}
