#pragma once
// Run-time errors as the old program knew them: an error number and its description.
// Handlers catch VbError where the old handlers trapped errors and show what they showed.

#include "platform/vbcodes.h"

#include <QByteArray>
#include <QString>
#include <exception>

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
