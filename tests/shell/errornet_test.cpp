// The last net under the event handlers: an error that escapes one is shown, and the program goes on.

#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/application.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/textof.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

TEST(ErrorNet, AnEscapedErrorShowsTheUnexpectedErrorWithItsNumber)
{
    struct Case {
        std::function<bool()> handler;
        int number;
    };
    const Case cases[] = {
        {[]() -> bool { throw VbError(vberr::GridTooManyColumns); }, vberr::GridTooManyColumns},
        {[]() -> bool { throw std::bad_alloc(); }, vberr::OutOfMemory},
        {[]() -> bool { throw std::length_error("too long"); }, vberr::InternalError},
    };
    for (const Case& c : cases) {
        ScriptedUser user;
        user.answerMessageBox(vbmsg::OK);
        EXPECT_FALSE(deliverReportingErrors(c.handler));
        EXPECT_EQ(boxesShown(user),
            (Boxes{{MessageText(kMsgUnexpectedError) + u" Error: " + QString::number(c.number), vbmsg::Critical}}));
    }
    ScriptedUser quiet;
    EXPECT_TRUE(deliverReportingErrors([] { return true; }));
    EXPECT_TRUE(quiet.messageBoxes().empty());
}

}  // namespace
