#include "worksheet/output_file.h"

#include <filesystem>
#include <system_error>

#include "common/build_info.h"

namespace dudedur {

std::string DocumentFileName(std::time_t documentTime) {
    std::tm local{};
    localtime_r(&documentTime, &local);
    char name[64];
    std::strftime(name, sizeof name, "zadania_%d_%m_%Y_%H_%M_%S.pdf", &local);
    return name;
}

std::string DocumentAuthor() { return "© Dudedur - " + std::string(kMakerUrl); }

Status RemoveOldFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !std::filesystem::exists(status)) return Status::Ok();
    if (std::filesystem::remove(path, error) && !error) return Status::Ok();
    return Status::Error("Nie można usunąć pliku [" + path +
                         "]\nSprawdź czy nie jest obecnie otwarty w innym programie.");
}

std::string WriteFailedMessage(const std::string& path, const std::string& reason) {
    return "Nie można zapisać pliku [" + path + "]\n" + reason;
}

}  // namespace dudedur
