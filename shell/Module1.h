#pragma once
// The start procedure: the process set-up, the splash and the main window.

#include <functional>

class MDIForm1;

namespace Module1 {
// What the process needs before anything else runs; the first call of main.
void prepareProcess();
// Shows the splash, waits, opens the main window with its commands registered and runs the
// program; returns the exit code.
int Main(const std::function<void(MDIForm1&)>& registerCommands);
// The splash wait: lets events run until two seconds have passed on a clock that does not restart
// at midnight.
void splashWait(double seconds = 2.0);
}  // namespace Module1
