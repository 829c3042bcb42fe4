#include "shell/application.h"

#include "platform/vberror.h"
#include "shell/errorreport.h"

#include <exception>
#include <new>

VelkorinApplication::VelkorinApplication(int& argc, char** argv) : QApplication(argc, argv) { }

bool VelkorinApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverReportingErrors([&] { return QApplication::notify(receiver, event); });
}

bool deliverReportingErrors(const std::function<bool()>& deliver)
{
    int number = 0;
    try {
        return deliver();
    } catch (const VbError& e) {
        number = e.number();
    } catch (const std::bad_alloc&) {
        number = vberr::OutOfMemory;
    } catch (const std::exception&) {
        number = vberr::InternalError;
    }
    reportUnexpectedError(number);
    return false;
}
