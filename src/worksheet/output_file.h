// Naming and replacing the worksheet's file.
#pragma once

#include <ctime>
#include <string>

#include "common/status.h"

namespace dudedur {

// "zadania_" + the local time as dd_mm_yyyy_hh_mm_ss + ".pdf", whatever the user's locale.
std::string DocumentFileName(std::time_t documentTime);

// The document information's author: "© Dudedur - " and the maker's web address.
std::string DocumentAuthor();

// Removes an old file at `path`. Succeeds when there is none or it was removed; otherwise fails
// with the message to show the user, and the file stays as it was.
Status RemoveOldFile(const std::string& path);

// The message for a document that could not be written, with the reason.
std::string WriteFailedMessage(const std::string& path, const std::string& reason);

}  // namespace dudedur
