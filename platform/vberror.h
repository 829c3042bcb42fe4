#pragma once
// Run-time errors: an error number and its description.
// Handlers catch VbError where they trap errors and show the message the program gives for it.

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

    // The English description of an error number.
    static QString descriptionOf(int number);

private:
    int number_;
    QString description_;
    QByteArray what_;
};
