#include "settings/option_keys.h"

#include "settings/ini_file.h"

namespace dudedur::settings {

std::optional<std::string_view> ListEntry(std::span<const std::string_view> entries,
                                          int32_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) return std::nullopt;
    return entries[static_cast<std::size_t>(position)];
}

std::optional<int32_t> ListNumber(std::span<const std::string_view> entries, int32_t position) {
    const std::optional<std::string_view> entry = ListEntry(entries, position);
    if (!entry) return std::nullopt;
    return ParseInteger(*entry);
}

std::string StoredValue(const OptionKey& key, const FormOptions& options) {
    if (key.flag != nullptr) return options.*key.flag ? "1" : "0";
    const int32_t position = options.*key.position;
    return std::to_string(ListEntry(key.entries, position) ? position : kNoEntry);
}

}  // namespace dudedur::settings
