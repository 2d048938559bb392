#include "platform/desktop_opener.h"

// Placeholder until the PDF component lands.
namespace dudedur::platform {
void OpenWithDesktop(const std::string&) {}
}  // namespace dudedur::platform
