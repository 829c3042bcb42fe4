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
    const std::pair<std::function<bool()>, const char16_t*> cases[] = {
        {[]() -> bool { throw VbError(vberr::GridTooManyColumns); }, u" Error: 30010"},
        {[]() -> bool { throw std::bad_alloc(); }, u" Error: 7"},
        {[]() -> bool { throw std::length_error("too long"); }, u" Error: 51"}};
    for (const auto& [handler, error] : cases) {
        ScriptedUser user;
        user.answerMessageBox(vbmsg::OK);
        EXPECT_FALSE(deliverReportingErrors(handler));
        EXPECT_EQ(boxesShown(user), (Boxes{{MessageText(kMsgUnexpectedError) + error, vbmsg::Critical}}));
    }
    ScriptedUser quiet;
    EXPECT_TRUE(deliverReportingErrors([] { return true; }));
    EXPECT_TRUE(quiet.messageBoxes().empty());
}

}  // namespace
