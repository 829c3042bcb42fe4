#pragma once
// The message boxes a scripted user was shown, as text and style, to check in one expectation:
//   EXPECT_EQ(boxesShown(user), (Boxes{{MessageText(3), vbmsg::YesNo | vbmsg::Exclamation}}));

#include "support/scripteduser.h"

#include <utility>
#include <vector>

using Boxes = std::vector<std::pair<QString, int>>;

inline Boxes boxesShown(const ScriptedUser& user)
{
    Boxes out;
    for (const ScriptedUser::Shown& box : user.messageBoxes())
        out.emplace_back(box.text, box.style);
    return out;
}
