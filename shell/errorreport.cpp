#include "shell/errorreport.h"

#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

void reportUnexpectedError(int number)
{
    MsgBox(currentMessageText(kMsgUnexpectedError) + QStringLiteral(" Error: ") + QString::number(number),
        vbmsg::Critical);
}

void reportError(const VbError& error, ErrorContext context)
{
    switch (error.number()) {
    case vberr::DialogCancelled:
        return;
    case vberr::NotARegularFile:
        MsgBox(currentMessageText(kMsgWrongType), vbmsg::Exclamation);
        return;
    case vberr::FileAlreadyOpen:
        MsgBox(currentMessageText(kMsgFileAlreadyOpen), vbmsg::Exclamation);
        return;
    case vberr::InputPastEnd:
        if (context == ErrorContext::SettingsFile) {
            MsgBox(currentMessageText(kMsgNoAppPath), vbmsg::Exclamation);
            return;
        }
        break;
    default:
        break;
    }
    if (context == ErrorContext::File)
        MsgBox(error.description(), vbmsg::OKOnly);
    else
        reportUnexpectedError(error.number());
}
