// The per-user settings store: the settings folder and file, the folder that worksheets are
// written to, and the thirteen options of the main window kept in section "Form" of the settings
// file between runs. Failures of the store cost the user nothing but the values concerned: a
// missing or broken file loads as defaults, and a failed save leaves the file as it was.
#pragma once

#include <string>
#include <string_view>

#include "common/status.h"
#include "settings/form_options.h"

namespace dudedur::settings {

class IniFile;

inline constexpr std::string_view kFormSection = "Form";

// The user's configuration folder + "ruzerod/dudedur/".
std::string SettingsFolder();
// SettingsFolder() + "dudedur.ini".
std::string SettingsFile();
// The user's documents folder + "Dudedur/": the folder every worksheet is written to.
std::string OutputFolder();

// What start-up fixes for the whole run.
struct PreparedSettings {
    std::string settingsFolder;
    std::string settingsFile;
    std::string outputFolder;
    FormOptions options;  // as loaded from settingsFile, with the brackets rule applied
};

// Fixes the folders, creates the settings folder and then the output folder with their missing
// parents (failures are ignored), loads the options and applies the brackets rule.
PreparedSettings PrepareSettings();

// The options stored in the file at `path`. Each option whose key is missing or whose value does
// not read as an integer keeps its default; so do all of them when the file cannot be read. A
// position outside its list loads as kNoEntry; any non-zero flag value ticks.
FormOptions LoadSettings(const std::string& path);

// Writes the thirteen keys into section "Form" of the file at `path`, keeping every other byte of
// it, or creates the file with that section. The file is replaced whole by a rename, keeping its
// permissions, so it is never left half written. Returns a failure, with the file as it was, when
// the file or its folder cannot be written (a read-only file, a missing folder).
Status SaveSettings(const std::string& path, const FormOptions& options);

// The same reading and writing on an INI text in memory.
FormOptions ReadOptions(const IniFile& ini);
void WriteOptions(IniFile& ini, const FormOptions& options);

}  // namespace dudedur::settings
