#pragma once
// The start procedure and the program-wide state of the old code module.

namespace Module1 {
// Shows the splash, waits, opens the main window and runs the program; returns the exit code.
int Main();
}  // namespace Module1
