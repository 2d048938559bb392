// The per-user folders of the desktop the program runs on. This and desktop_opener.h are the
// only places that know about the operating system. Every folder path ends with '/'.
#pragma once

#include <string>

#include "common/status.h"

namespace dudedur::platform {

// The user's documents folder: on Linux XDG_DOCUMENTS_DIR from the environment, else from
// $XDG_CONFIG_HOME/user-dirs.dirs (or ~/.config/user-dirs.dirs), else ~/Documents.
std::string DocumentsFolder();

// The user's configuration folder: on Linux $XDG_CONFIG_HOME when it is an absolute path,
// else ~/.config.
std::string ConfigFolder();

// Creates the folder together with every missing parent. Succeeds when it exists already.
Status CreateFolderWithParents(const std::string& folder);

}  // namespace dudedur::platform
