#pragma once
// The scripted user of the tests: installed for its lifetime as the UserInterface, it answers message
// boxes and file dialogs from a script, in order, and records everything the program showed.
// A message box or file dialog without a scripted answer fails the test and gets a harmless answer.

#include "platform/userinterface.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ScriptedUser : public UserInterface {
public:
    struct Shown {
        enum Kind { MessageBox, FileDialog, Help, Beeped, PrinterSetup } kind;
        QString text;  // box text; help file
        int style = 0;  // box style; help command
        QString title;
        FileDialogRequest request;  // for FileDialog
    };

    ScriptedUser() { UserInterface::install(this); }
    ~ScriptedUser() override { UserInterface::install(nullptr); }
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // Script the next answers, in order.
    ScriptedUser& answerMessageBox(int messageBoxResult) { return boxAnswers_.push_back(messageBoxResult), *this; }
    ScriptedUser& answerFileDialog(const QString& path) { return dialogAnswers_.push_back(path), *this; }
    ScriptedUser& cancelFileDialog() { return dialogAnswers_.push_back(std::nullopt), *this; }
    // What the next printer set-up dialog does to the printer, and whether it is accepted.
    ScriptedUser& answerPrinterSetup(std::function<bool(QPrinter&)> answer)
    {
        return printerAnswers_.push_back(std::move(answer)), *this;
    }

    // What was shown, in order.
    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<Shown> messageBoxes() const;
    std::vector<FileDialogRequest> fileDialogs() const;
    int beeps() const;
    // Answers scripted but never asked for.
    std::size_t unusedAnswers() const { return boxAnswers_.size() + dialogAnswers_.size() + printerAnswers_.size(); }
    void clear() { shown_.clear(); }
    // Runs before each message box is answered, as the box's showing would.
    std::function<void()> beforeMessageBox;

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    void showHelp(const QString& helpFile, int command) override
    {
        shown_.push_back({Shown::Help, helpFile, command, {}, {}});
    }
    void beep() override { shown_.push_back({Shown::Beeped, {}, 0, {}, {}}); }
    // Recorded; unscripted, accepted with the printer left as it is.
    bool printerSetup(QPrinter& printer) override;

private:
    std::deque<int> boxAnswers_;
    std::deque<std::optional<QString>> dialogAnswers_;  // nullopt: cancel
    std::deque<std::function<bool(QPrinter&)>> printerAnswers_;
    std::vector<Shown> shown_;
};

// Lets pending events run (posted events, deferred view updates, zero timers).
void processEvents();
