#include "shell/errorreport.h"

#include "shell/Module1.h"
#include "shell/texts/texts.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"

void reportUnexpectedError(int number)
{
    MsgBox(MessageText(30 + sprakoffset) + QStringLiteral(" Error: ") + QString::number(number),
           vbmsg::Critical);
}

void reportError(const VbError& error, ErrorContext context)
{
    switch (error.number()) {
    case vberr::DialogCancelled:
        return;
    case vberr::FileAlreadyOpen:
        MsgBox(MessageText(4 + sprakoffset), vbmsg::Exclamation);
        return;
    case vberr::InputPastEnd:
        if (context == ErrorContext::SettingsFile) {
            MsgBox(MessageText(32 + sprakoffset), vbmsg::Exclamation);
            return;
        }
        break;
    default:
        break;
    }
    reportUnexpectedError(error.number());
}
