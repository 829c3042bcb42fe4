#pragma once
// The common dialog: open and save dialogs and the help call, with the properties the windows set.
// A cancelled dialog raises error 32755, which the handlers treat as a silent end.

#include <QString>
#include <climits>

class CommonDialog {
public:
    QString Filter;  // "Systemram (*.1X2)|*.1X2|Alla filer (*.*)|*.*"
    int FilterIndex = 1;
    QString FileName;  // in: suggested name; out: the chosen full path
    QString FileTitle;  // out: the chosen file's name without its folder
    int Flags = 0;  // 4 hide read-only; 4100 = 4 + file must exist
    // The longest full name taken, in bytes: any the system takes (its limit counts the final NUL).
    int MaxFileSize = PATH_MAX - 1;
    QString InitDir;
    QString DialogTitle;
    QString HelpFile;
    int HelpCommand = 0;

    void ShowOpen();
    void ShowSave();
    void ShowHelp();

private:
    void show(bool save);
};
