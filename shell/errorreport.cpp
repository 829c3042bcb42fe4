#include "shell/errorreport.h"

#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/Module1.h"

void reportUnexpectedError(int number)
{
    MsgBox(currentMessageText(30) + QStringLiteral(" Error: ") + QString::number(number), vbmsg::Critical);
}

void reportError(const VbError& error, ErrorContext context)
{
    switch (error.number()) {
    case vberr::DialogCancelled:
        return;
    case vberr::NotARegularFile:
        MsgBox(currentMessageText(39), vbmsg::Exclamation);
        return;
    case vberr::FileAlreadyOpen:
        MsgBox(currentMessageText(4), vbmsg::Exclamation);
        return;
    case vberr::InputPastEnd:
        if (context == ErrorContext::SettingsFile) {
            MsgBox(currentMessageText(32), vbmsg::Exclamation);
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
