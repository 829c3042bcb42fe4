#pragma once
// The program's application object. Its one addition: an error that escapes an event handler is
// shown as an unexpected error and the program goes on, so no open document is lost to it.

#include <QApplication>
#include <functional>

class VelkorinApplication : public QApplication {
    Q_OBJECT
public:
    VelkorinApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs deliver; a VbError, an allocation failure or any other exception escaping it is shown as
// message 30 with its error number (7 out of memory, 51 for the rest), and false is returned.
bool deliverReportingErrors(const std::function<bool()>& deliver);
