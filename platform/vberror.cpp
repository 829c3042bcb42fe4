#include "platform/vberror.h"

VbError::VbError(int number) : VbError(number, descriptionOf(number)) { }

VbError::VbError(int number, QString description)
    : number_(number), description_(std::move(description)), what_(description_.toUtf8())
{
}

QString VbError::descriptionOf(int number)
{
    switch (number) {
    case vberr::ReturnWithoutGosub:
        return QStringLiteral("Return without GoSub");
    case vberr::InvalidCall:
        return QStringLiteral("Invalid procedure call");
    case vberr::Overflow:
        return QStringLiteral("Overflow");
    case vberr::OutOfMemory:
        return QStringLiteral("Out of memory");
    case vberr::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case vberr::DivisionByZero:
        return QStringLiteral("Division by zero");
    case vberr::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case vberr::InternalError:
        return QStringLiteral("Internal error");
    case vberr::BadFileName:
        return QStringLiteral("Bad file name or number");
    case vberr::FileNotFound:
        return QStringLiteral("File not found");
    case vberr::BadFileMode:
        return QStringLiteral("Bad file mode");
    case vberr::FileAlreadyOpen:
        return QStringLiteral("File already open");
    case vberr::DeviceIoError:
        return QStringLiteral("Device I/O error");
    case vberr::FileAlreadyExists:
        return QStringLiteral("File already exists");
    case vberr::DiskFull:
        return QStringLiteral("Disk full");
    case vberr::InputPastEnd:
        return QStringLiteral("Input past end of file");
    case vberr::TooManyFiles:
        return QStringLiteral("Too many files");
    case vberr::PermissionDenied:
        return QStringLiteral("Permission denied");
    case vberr::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case vberr::PathNotFound:
        return QStringLiteral("Path not found");
    case vberr::ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case vberr::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case vberr::PrinterError:
        return QStringLiteral("Printer error");
    case vberr::GridTooManyColumns:
        return QStringLiteral("Unable to allocate memory for grid");
    case vberr::DialogCancelled:
        return QStringLiteral("Cancel was selected.");
    case vberr::NotARegularFile:
        return QStringLiteral("Not a regular file");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}
