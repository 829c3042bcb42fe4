#pragma once
// The program's codes in one place, for the core and the windows alike: the run-time error
// numbers (VbError) and the message-box styles and answers (MsgBox).

namespace vberr {
constexpr int ReturnWithoutGosub = 3;
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int InternalError = 51;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileMode = 54;
constexpr int FileAlreadyOpen = 55;
constexpr int DeviceIoError = 57;
constexpr int FileAlreadyExists = 58;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int TooManyFiles = 67;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int InvalidFileFormat = 321;  // a structure that cannot be: a negative count, an unknown tag
constexpr int InvalidPropertyValue = 380;
constexpr int PrinterError = 482;
constexpr int GridInvalidRowValue = 30009;
constexpr int GridTooManyColumns = 30010;
constexpr int DialogCancelled = 32755;
// A device, pipe, socket or folder where a regular file is expected (no standard number fits).
constexpr int NotARegularFile = 32001;
}  // namespace vberr

namespace vbmsg {
constexpr int OKOnly = 0;
constexpr int OKCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;  // stop icon
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;

constexpr int OK = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace vbmsg
