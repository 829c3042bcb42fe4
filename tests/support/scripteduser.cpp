#include "support/scripteduser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

ScriptedUser::ScriptedUser() { UserInterface::install(this); }

ScriptedUser::~ScriptedUser() { UserInterface::install(nullptr); }

ScriptedUser& ScriptedUser::answerMessageBox(int messageBoxResult)
{
    boxAnswers_.push_back(messageBoxResult);
    return *this;
}

ScriptedUser& ScriptedUser::answerFileDialog(const QString& path)
{
    dialogAnswers_.push_back({false, path});
    return *this;
}

ScriptedUser& ScriptedUser::cancelFileDialog()
{
    dialogAnswers_.push_back({true, QString()});
    return *this;
}

std::vector<ScriptedUser::Shown> ScriptedUser::messageBoxes() const
{
    std::vector<Shown> out;
    for (const Shown& s : shown_)
        if (s.kind == Shown::MessageBox)
            out.push_back(s);
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
    int n = 0;
    for (const Shown& s : shown_)
        n += s.kind == Shown::Beeped ? 1 : 0;
    return n;
}

int ScriptedUser::messageBox(const QString& text, int style, const QString& title)
{
    shown_.push_back({Shown::MessageBox, text, style, title, {}});
    if (boxAnswers_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString() << " (style " << style << ")";
        return escapeResult(style);
    }
    const int result = boxAnswers_.front();
    boxAnswers_.pop_front();
    return result;
}

std::optional<QString> ScriptedUser::fileDialog(const FileDialogRequest& request)
{
    shown_.push_back({Shown::FileDialog, request.fileName, request.flags, request.title, request});
    if (dialogAnswers_.empty()) {
        ADD_FAILURE() << "unexpected file dialog (" << (request.save ? "save" : "open") << ", "
                      << request.fileName.toStdString() << ")";
        return std::nullopt;
    }
    const DialogAnswer a = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    if (a.cancel)
        return std::nullopt;
    return a.path;
}

void ScriptedUser::showHelp(const QString& helpFile, int command)
{
    shown_.push_back({Shown::Help, helpFile, command, QString(), {}});
}

void ScriptedUser::beep() { shown_.push_back({Shown::Beeped, QString(), 0, QString(), {}}); }

void processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

bool ScriptedUser::printerSetup(QPrinter&)
{
    shown_.push_back({Shown::PrinterSetup, QString(), 0, QString(), {}});
    return true;
}
