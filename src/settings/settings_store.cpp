#include "settings/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/user_folders.h"
#include "settings/ini_file.h"
#include "settings/option_keys.h"

namespace dudedur::settings {
namespace {

Status Failure(const std::string& what, const std::string& path, int error) {
    return Status::Error(what + " " + path + ": " + std::strerror(error));
}

// The whole content of the regular file at `path`. Anything else is refused without reading: a
// pipe or a device in its place would block or never end.
Result<std::string> ReadWholeFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Failure("Nie można otworzyć pliku", path, errno);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return Status::Error("To nie jest zwykły plik: " + path);
    }
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            close(fd);
            return Failure("Nie można odczytać pliku", path, error);
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
    close(fd);
    return text;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t count = write(fd, data.data(), data.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The mode a newly created file gets: read and write for everyone, less the process's umask.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Puts `text` into the file at `path` by writing a temporary file in the same folder and renaming
// it over `path`, so that a reader sees either the old or the new content and never a part.
Status ReplaceFile(const std::string& path, std::string_view text, mode_t mode) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return Failure("Nie można utworzyć pliku tymczasowego dla", path, errno);
    int error = 0;
    if (!WriteAll(fd, text) || fchmod(fd, mode) != 0 || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return Failure("Nie można zapisać pliku", path, error);
    }
    // Makes the rename itself durable; a failure here no longer puts the content at risk.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    if (const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return Status::Ok();
}

}  // namespace

std::string SettingsFolder() { return platform::ConfigFolder() + "ruzerod/dudedur/"; }

std::string SettingsFile() { return SettingsFolder() + "dudedur.ini"; }

std::string OutputFolder() { return platform::DocumentsFolder() + "Dudedur/"; }

PreparedSettings PrepareSettings() {
    PreparedSettings prepared;
    prepared.settingsFolder = SettingsFolder();
    prepared.outputFolder = OutputFolder();
    // A folder that cannot be created costs nothing here: loading then gives the defaults, saving
    // fails silently, and the worksheet writer creates the output folder again before each use.
    (void)platform::CreateFolderWithParents(prepared.settingsFolder);
    (void)platform::CreateFolderWithParents(prepared.outputFolder);
    prepared.settingsFile = prepared.settingsFolder + "dudedur.ini";
    prepared.options = LoadSettings(prepared.settingsFile);
    ApplyBracketsRule(prepared.options);
    return prepared;
}

FormOptions ReadOptions(const IniFile& ini) {
    FormOptions options;
    for (const std::size_t index : kReadOrder) {
        const OptionKey& key = kOptionKeys[index];
        if (key.flag != nullptr) {
            options.*key.flag = ini.ReadInteger(kFormSection, key.name, options.*key.flag) != 0;
        } else {
            const int32_t position = ini.ReadInteger(kFormSection, key.name, options.*key.position);
            options.*key.position = ListEntry(key.entries, position) ? position : kNoEntry;
        }
    }
    return options;
}

void WriteOptions(IniFile& ini, const FormOptions& options) {
    for (const OptionKey& key : kOptionKeys) {
        ini.Write(kFormSection, key.name, StoredValue(key, options));
    }
}

FormOptions LoadSettings(const std::string& path) {
    Result<std::string> text = ReadWholeFile(path);
    if (!text.ok()) return FormOptions{};
    return ReadOptions(IniFile(std::move(text).value()));
}

Status SaveSettings(const std::string& path, const FormOptions& options) {
    // A settings file that is a symbolic link stays one: the file it points to is replaced.
    std::string target = path;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = realpath(path.c_str(), nullptr); resolved != nullptr) {
            target = resolved;
            std::free(resolved);
        }
    }

    std::string text;
    mode_t mode = 0;
    if (stat(target.c_str(), &info) == 0) {
        // The rename needs only the folder to be writable, so a read-only file is refused here.
        if (!S_ISREG(info.st_mode)) return Status::Error("To nie jest zwykły plik: " + target);
        if (access(target.c_str(), W_OK) != 0) {
            return Failure("Plik jest tylko do odczytu:", target, errno);
        }
        Result<std::string> read = ReadWholeFile(target);
        if (!read.ok()) return read.status();
        text = std::move(read).value();
        mode = info.st_mode & 07777;
    } else if (errno == ENOENT) {
        mode = NewFileMode();
    } else {
        return Failure("Nie można sprawdzić pliku", target, errno);
    }

    IniFile ini(std::move(text));
    WriteOptions(ini, options);
    return ReplaceFile(target, ini.text(), mode);
}

}  // namespace dudedur::settings
