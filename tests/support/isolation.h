#pragma once
// Keeps a test program off the machine it runs on: before anything else starts, HOME and the XDG
// folders point into a scratch folder of the process's own, and no print system can be reached.

namespace testsupport {
// Call first in main, before any Qt object exists. The scratch folder goes when the process ends.
void isolateFromMachine();
}  // namespace testsupport
