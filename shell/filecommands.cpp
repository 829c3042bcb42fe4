#include "shell/filecommands.h"

#include "platform/bytereader.h"
#include "platform/filenumber.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "shell/guide.h"
#include "shell/texts/texts.h"

namespace {

// A frame file of 3^13 created rows and three systems of the widest grid is some 25 MB.
constexpr std::int64_t kLargestFile = 256LL * 1024 * 1024;

}  // namespace

QByteArray readWholeFile(const QString& path)
{
    FileNumber& f = FileNumber::one();
    f.open(path, FileNumber::Mode::BinaryRead);
    const FileNumberCloser closer;
    const std::int64_t size = f.size();
    if (size > kLargestFile)
        throw invalidFileFormat();
    return f.readBytes(size);
}

void reportFileError(const VbError& error)
{
    switch (error.number()) {
    case vberr::DialogCancelled:
        return;
    case vberr::FileAlreadyOpen:
        MsgBox(MessageText(4 + sprakoffset), vbmsg::Exclamation);
        return;
    default:
        MsgBox(error.description(), vbmsg::OKOnly);
        return;
    }
}

void showGuidePage(int page)
{
    if (!MDIForm1::instance())
        return;
    if (guide* g = guide::instance(); g && g->guidetext)
        g->guidetext->setText(GuideText(page + sprakoffset));
}
