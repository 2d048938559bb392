// Opening a file or web address in the desktop's default application.
#pragma once

#include <string>

namespace dudedur::platform {

// Hands the target to the desktop's opener (xdg-open on Linux) as a single argument, never
// through a shell, and returns at once without waiting for the viewer. Failures are ignored:
// a missing viewer is the desktop's business, not a failure of the program.
void OpenWithDesktop(const std::string& target);

}  // namespace dudedur::platform
