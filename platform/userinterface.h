#pragma once
// Everything that waits for a person passes through here: message boxes, file dialogs, the help
// viewer, the printer choice and beeps. The program installs the real desktop implementation;
// tests install a scripted user that answers in order and records what was shown.

#include "platform/vbcodes.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;

// MsgBox styles and results, with their numeric values.
struct FileDialogRequest {
    bool save = false;  // ShowSave, else ShowOpen
    QString filter;  // "Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*"
    int filterIndex = 1;
    QString fileName;  // suggested name
    QString initDir;
    int flags = 0;  // 4 = hide read-only, 4096 = file must exist
    QString title;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Returns one of vbmsg::OK ... vbmsg::No.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> fileDialog(const FileDialogRequest& request) = 0;
    // Open a help file at a help command (3 = contents).
    virtual void showHelp(const QString& helpFile, int command) = 0;
    virtual void beep() = 0;
    // The printer and page set-up dialog on printer; true when accepted. Shows nothing by default.
    // An output file that may not be written (a pipe, device, folder, read-only file) is refused
    // before anything opens it: the dialog closes and the VbError is raised.
    virtual bool printerSetup(QPrinter& printer);

    // The installed implementation (the desktop one unless a test installed its own).
    static UserInterface& current();
    // Install ui (not owned); nullptr restores the desktop implementation.
    static void install(UserInterface* ui);
};

// The calls the windows make, routed through the installed UserInterface.
int MsgBox(const QString& text, int style = vbmsg::OKOnly, const QString& title = QString());
void Beep();

// The buttons of a MsgBox style as their results, left to right, and the answer of Escape/close.
std::vector<int> messageBoxButtons(int style);
int escapeResult(int style);
// "Text|*.a|Alla filer (*.*)|*.*" as Qt name filters ("Text (*.a)", "Alla filer (*)"): all files,
// also those whose names hold no dot.
QStringList qtFilters(const QString& vbFilter);
// The title of a message box given none.
QString defaultMessageTitle();
// The desktop help call hands the help file and command to this viewer (none installed: nothing).
void setHelpViewer(std::function<void(const QString& helpFile, int command)> viewer);
