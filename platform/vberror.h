#pragma once
// Run-time errors as the old program knew them: an error number and its description.
// Handlers catch VbError where the old handlers trapped errors and show what they showed.

#include <QByteArray>
#include <QString>
#include <exception>

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
constexpr int InvalidPropertyValue = 380;
constexpr int GridTooManyColumns = 30010;
constexpr int DialogCancelled = 32755;
// Our own: a device, pipe or socket where a file was expected (the old system never met one).
constexpr int NotARegularFile = 32001;
}  // namespace vberr

class VbError : public std::exception {
public:
    explicit VbError(int number);
    VbError(int number, QString description);

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.constData(); }

    // The English description the old run time gave for an error number.
    static QString descriptionOf(int number);

private:
    int number_;
    QString description_;
    QByteArray what_;
};
