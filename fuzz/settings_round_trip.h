// The property that the settings fuzz target checks, and that the tests replay over the kept
// inputs: any text loads without harm, and options saved into it load back unchanged.
#pragma once

#include <string_view>

#include "common/status.h"

namespace dudedur::fuzz {

// Loads the options from `bytes` taken as a settings file; saves them into that text and loads
// again, and once more to see that nothing changes; then saves a second set of options made from
// the bytes and loads once more. Fails, saying what differs, when a load gives a position outside
// its list or does not give back what was saved, or when saving the same options twice changes the
// text.
Status CheckSettingsRoundTrip(std::string_view bytes);

}  // namespace dudedur::fuzz
