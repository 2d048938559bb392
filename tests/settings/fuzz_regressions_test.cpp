// Replays the settings fuzz target's seed corpus and the inputs it once failed on, so that a
// build without libFuzzer still checks them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "settings_round_trip.h"
#include "temp_folder.h"

namespace dudedur::fuzz {
namespace {

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(SettingsFuzzInputs, SeedsAndRegressionsRoundTrip) {
    const std::filesystem::path fuzz = DUDEDUR_FUZZ_DIR;
    const std::vector<std::filesystem::path> seeds = FilesIn(fuzz / "corpus/settings");
    EXPECT_FALSE(seeds.empty());
    std::vector<std::filesystem::path> inputs = FilesIn(fuzz / "regressions/settings");
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    for (const std::filesystem::path& input : inputs) {
        const Status status = CheckSettingsRoundTrip(testing::ReadFile(input.string()));
        EXPECT_TRUE(status.ok()) << input << "\n" << status.message();
    }
}

}  // namespace
}  // namespace dudedur::fuzz
