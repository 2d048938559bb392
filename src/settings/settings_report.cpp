#include "settings/settings_report.h"

#include "settings/option_keys.h"

namespace dudedur::settings {
namespace {

// The width of the key column: the longest key and one blank.
constexpr std::size_t KeyColumnWidth() {
    std::size_t width = 0;
    for (const OptionKey& key : kOptionKeys)
        width = key.name.size() > width ? key.name.size() : width;
    return width + 1;
}

std::string Meaning(const OptionKey& key, const FormOptions& options) {
    if (key.flag != nullptr) return options.*key.flag ? "zaznaczone" : "niezaznaczone";
    const std::optional<std::string_view> entry = ListEntry(key.entries, options.*key.position);
    return entry ? "\"" + std::string(*entry) + "\"" : std::string("brak wyboru");
}

}  // namespace

std::string DescribeSettings(const std::string& path, const FormOptions& options) {
    std::string text = "Plik ustawień: " + path + "\n";
    for (const OptionKey& key : kOptionKeys) {
        std::string value = StoredValue(key, options);
        text += key.name;
        text.append(KeyColumnWidth() - key.name.size(), ' ');
        text += value;
        text.append(value.size() < 3 ? 3 - value.size() : 0, ' ');
        text += "  ";
        text += key.caption;
        text += ": ";
        text += Meaning(key, options);
        text += '\n';
    }
    return text;
}

std::string SettingsTsv(const FormOptions& options) {
    std::string text;
    for (const OptionKey& key : kOptionKeys) {
        text += key.name;
        text += '\t';
        text += StoredValue(key, options);
        text += '\n';
    }
    return text;
}

}  // namespace dudedur::settings
