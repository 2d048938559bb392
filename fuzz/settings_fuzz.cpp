// libFuzzer target over the settings file: loading any bytes, and saving then loading again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "settings_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const dudedur::Status status = dudedur::fuzz::CheckSettingsRoundTrip(bytes);
    if (!status.ok()) {
        std::fprintf(stderr, "%s\n", status.message().c_str());
        std::abort();
    }
    return 0;
}
