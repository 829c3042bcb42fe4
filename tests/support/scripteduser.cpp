#include "support/scripteduser.h"

#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

std::vector<ScriptedUser::Shown> ScriptedUser::messageBoxes() const
{
    std::vector<Shown> out;
    std::copy_if(shown_.begin(), shown_.end(), std::back_inserter(out),
        [](const Shown& s) { return s.kind == Shown::MessageBox; });
    return out;
}

std::vector<FileDialogRequest> ScriptedUser::fileDialogs() const
{
    std::vector<FileDialogRequest> out;
    for (const Shown& s : shown_)
        if (s.kind == Shown::FileDialog)
            out.push_back(s.request);
    return out;
}

int ScriptedUser::beeps() const
{
    return int(std::count_if(shown_.begin(), shown_.end(), [](const Shown& s) { return s.kind == Shown::Beeped; }));
}

int ScriptedUser::messageBox(const QString& text, int style, const QString& title)
{
    if (beforeMessageBox)
        beforeMessageBox();
    shown_.push_back({Shown::MessageBox, text, style, title, {}});
    if (boxAnswers_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString() << " (style " << style << ")";
        return escapeResult(style);
    }
    const int result = boxAnswers_.front();
    boxAnswers_.pop_front();
    return result;
}

bool ScriptedUser::printerSetup(QPrinter& printer)
{
    shown_.push_back({Shown::PrinterSetup, {}, 0, {}, {}});
    if (printerAnswers_.empty())
        return true;
    const auto answer = std::move(printerAnswers_.front());
    printerAnswers_.pop_front();
    return answer(printer);
}

std::optional<QString> ScriptedUser::fileDialog(const FileDialogRequest& request)
{
    shown_.push_back({Shown::FileDialog, request.fileName, request.flags, request.title, request});
    if (dialogAnswers_.empty()) {
        ADD_FAILURE() << "unexpected file dialog (" << (request.save ? "save" : "open") << ", "
                      << request.fileName.toStdString() << ")";
        return std::nullopt;
    }
    const std::optional<QString> answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    return answer;
}

void processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
