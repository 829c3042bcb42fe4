// Velkorin: everything starts in the start procedure.

#include "app/commands.h"
#include "shell/Module1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return Module1::Main(registerCommands);
}
