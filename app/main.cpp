// Velkorin: everything starts in the start procedure.

#include "app/commands.h"
#include "shell/Module1.h"
#include "shell/application.h"

int main(int argc, char** argv)
{
    Module1::prepareProcess();
    VelkorinApplication app(argc, argv);
    return Module1::Main(registerCommands);
}
