#include "platform/user_folders.h"

// Placeholder until the settings store lands.
namespace dudedur::platform {
std::string DocumentsFolder() { return {}; }
std::string ConfigFolder() { return {}; }
Status CreateFolderWithParents(const std::string&) { return Status::Error("not implemented"); }
}  // namespace dudedur::platform
