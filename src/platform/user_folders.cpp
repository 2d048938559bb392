#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

// The Linux version, after the XDG base-directory and user-dirs conventions.
namespace dudedur::platform {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// The user's home folder without a final '/': $HOME, else the password database, else the root.
std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid());
            entry != nullptr && entry->pw_dir != nullptr) {
            home = entry->pw_dir;
        }
    }
    while (!home.empty() && home.back() == '/') home.pop_back();
    return home;
}

// The folder that a user-dirs.dirs line such as XDG_DOCUMENTS_DIR="$HOME/Documents" names, or an
// empty text when the line does not set XDG_DOCUMENTS_DIR to "$HOME/..." or an absolute path.
std::string DocumentsFromUserDirsLine(std::string_view line, const std::string& home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (!line.starts_with(kKey)) return {};
    line.remove_prefix(kKey.size());
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') return {};
    line = line.substr(1, line.size() - 2);
    std::string path;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;  // shell escape: take the next byte
        path += line[i];
    }
    for (std::string_view variable : {"$HOME", "${HOME}"}) {
        if (path.starts_with(variable) &&
            (path.size() == variable.size() || path[variable.size()] == '/')) {
            return home + path.substr(variable.size());
        }
    }
    return path.starts_with('/') ? path : std::string();
}

}  // namespace

std::string DocumentsFolder() {
    const std::string home = HomeFolder();
    if (const std::string fromEnvironment = Environment("XDG_DOCUMENTS_DIR");
        fromEnvironment.starts_with('/')) {
        return WithSlash(fromEnvironment);
    }
    // The file is written as shell assignments, so a later line overrides an earlier one.
    std::ifstream userDirs(ConfigFolder() + "user-dirs.dirs");
    std::string fromFile;
    for (std::string line; std::getline(userDirs, line);) {
        if (std::string folder = DocumentsFromUserDirsLine(line, home); !folder.empty()) {
            fromFile = std::move(folder);
        }
    }
    if (!fromFile.empty()) return WithSlash(fromFile);
    return home + "/Documents/";
}

std::string ConfigFolder() {
    if (const std::string configHome = Environment("XDG_CONFIG_HOME");
        configHome.starts_with('/')) {
        return WithSlash(configHome);
    }
    return HomeFolder() + "/.config/";
}

Status CreateFolderWithParents(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::error_code checkError;
    if (std::filesystem::is_directory(folder, checkError)) return Status::Ok();
    return Status::Error("Nie można utworzyć folderu " + folder +
                         (error ? ": " + error.message() : std::string()));
}

}  // namespace dudedur::platform
