#pragma once
// The handlers' common way of showing a trapped run-time error: 55 says the file is already open,
// a pipe or device chosen as a file gets the wrong-file-type message,
// 32755 (a cancelled dialog) is silent, 62 from the settings file names AppPath; anything else is
// the unexpected-error message with the error number, or for the file commands the error's own
// description.

class VbError;

enum class ErrorContext {
    General,  // 62 is just another error
    SettingsFile,  // 62 means a key is missing from VELKORIN.INI
    File,  // the program's own files: any other error shows its own description, no icon
};

void reportError(const VbError& error, ErrorContext context = ErrorContext::General);

// The unexpected-error message & " Error: " & number, with a stop icon.
void reportUnexpectedError(int number);
