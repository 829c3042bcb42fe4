#pragma once
// Every command of the main window that the libraries above the shell carry out. The program and
// the tests register them on each main window they make.

class MDIForm1;

void registerCommands(MDIForm1& main);
