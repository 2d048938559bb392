#include "settings_round_trip.h"

#include <cstddef>
#include <string>

#include "settings/form_options.h"
#include "settings/ini_file.h"
#include "settings/option_keys.h"
#include "settings/settings_report.h"
#include "settings/settings_store.h"

namespace dudedur::fuzz {
namespace {

using settings::FormOptions;
using settings::kOptionKeys;

// Options made from the first bytes of the input, each list position from -1 to one past its
// list, so that no entry and out-of-range positions are saved too.
FormOptions OptionsFromBytes(std::string_view bytes) {
    FormOptions options;
    std::size_t next = 0;
    auto byte = [&]() -> unsigned {
        return next < bytes.size() ? static_cast<unsigned char>(bytes[next++]) : 0u;
    };
    for (const settings::OptionKey& key : kOptionKeys) {
        if (key.flag != nullptr) {
            options.*key.flag = (byte() & 1u) != 0;
        } else {
            options.*key.position = static_cast<int32_t>(byte() % (key.entries.size() + 2)) - 1;
        }
    }
    return options;
}

// What loading gives for saved options: a position outside its list comes back as no entry.
FormOptions AsLoaded(FormOptions options) {
    for (const settings::OptionKey& key : kOptionKeys) {
        if (key.position != nullptr && !settings::ListEntry(key.entries, options.*key.position)) {
            options.*key.position = settings::kNoEntry;
        }
    }
    return options;
}

Status Differs(const char* step, const FormOptions& expected, const FormOptions& loaded) {
    return Status::Error(std::string(step) + ": expected\n" + settings::SettingsTsv(expected) +
                         "loaded\n" + settings::SettingsTsv(loaded));
}

}  // namespace

Status CheckSettingsRoundTrip(std::string_view bytes) {
    settings::IniFile ini{std::string(bytes)};
    const FormOptions loaded = settings::ReadOptions(ini);
    if (AsLoaded(loaded) != loaded) return Differs("load", AsLoaded(loaded), loaded);

    settings::WriteOptions(ini, loaded);
    if (const FormOptions again = settings::ReadOptions(ini); again != loaded) {
        return Differs("save of the loaded options", loaded, again);
    }
    // Saving the same options again finds every key in place and changes no byte.
    const std::string once = ini.text();
    settings::WriteOptions(ini, loaded);
    if (ini.text() != once)
        return Status::Error("a second save of the same options changed the text");

    const FormOptions saved = OptionsFromBytes(bytes);
    settings::WriteOptions(ini, saved);
    if (const FormOptions again = settings::ReadOptions(ini); again != AsLoaded(saved)) {
        return Differs("save of other options", AsLoaded(saved), again);
    }
    return Status::Ok();
}

}  // namespace dudedur::fuzz
