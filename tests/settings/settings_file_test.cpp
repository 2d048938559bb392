// Loading and saving the settings file on disk, and what start-up prepares.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "options_printer.h"
#include "scoped_environment.h"
#include "settings/settings_store.h"
#include "temp_folder.h"

namespace dudedur::settings {
namespace {

using testing::ReadFile;
using testing::ScopedEnvironment;
using testing::TempFolder;

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct stat Stat(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info;
}

// The names in a folder.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

constexpr const char* kForeignFile =
    "; Dudedur\r\n[Okno]\r\nLeft=120\r\n\r\n[Form]\r\nCBMnozenie=2\r\nComboZakresDodawanie=4\r\n"
    "Wersja = 2.0\r\n\r\n[Inne]\r\nCBDodawanie=7";

TEST(SettingsFile, FirstRunLoadsDefaultsAndTheFirstSaveCreatesTheFile) {
    const TempFolder folder;
    const std::string path = folder / "dudedur.ini";
    EXPECT_EQ(LoadSettings(path), FormOptions{});

    ASSERT_TRUE(SaveSettings(path, FormOptions{}).ok());
    const std::string text = ReadFile(path);
    EXPECT_TRUE(text.starts_with("[Form]\nCBDodawanie=1\nCBOdejmowanie=0\n")) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14) << text;
    EXPECT_EQ(LoadSettings(path), FormOptions{});
}

TEST(SettingsFile, SaveKeepsEveryOtherByteAndLoadsBack) {
    const TempFolder folder;
    const std::string path = folder / "dudedur.ini";
    WriteFile(path, kForeignFile);
    const FormOptions loaded = LoadSettings(path);
    EXPECT_EQ(loaded, (FormOptions{.CBMnozenie = true, .ComboZakresDodawanie = 4}));

    const FormOptions saved = {.CBMnozenie = true, .ComboZakresDodawanie = kNoEntry};
    ASSERT_TRUE(SaveSettings(path, saved).ok());
    EXPECT_EQ(ReadFile(path),
              "; Dudedur\r\n[Okno]\r\nLeft=120\r\n\r\n[Form]\r\nCBMnozenie=1\r\n"
              "ComboZakresDodawanie=-1\r\nWersja = 2.0\r\n"
              "CBDodawanie=1\r\nCBOdejmowanie=0\r\nCBDzielenie=0\r\n"
              "AdvOfficeCheckBoxTrzSkladniki=0\r\nAdvOfficeCheckBoxNawiasy=0\r\n"
              "AdvOfficeCheckBoxNiewiadoma=0\r\nAdvOfficeCheckBoxPominZeroIJeden=0\r\n"
              "ComboZakresOdejmowanie=0\r\nAdvComboBoxLiczbaZadan=1\r\n"
              "AdvComboBoxLiczbaZestawow=1\r\nAdvComboBoxLiczbaNaStronie=1\r\n"
              "\r\n[Inne]\r\nCBDodawanie=7");
    EXPECT_EQ(LoadSettings(path), saved);
}

TEST(SettingsFile, SaveReplacesTheFileByRenameKeepingItsPermissions) {
    const TempFolder folder;
    const std::string path = folder / "dudedur.ini";
    WriteFile(path, kForeignFile);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const ino_t before = Stat(path).st_ino;

    ASSERT_TRUE(SaveSettings(path, FormOptions{}).ok());
    const struct stat after = Stat(path);
    EXPECT_NE(after.st_ino, before) << "written in place rather than replaced";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"dudedur.ini"})
        << "a temporary file was left behind";
}

TEST(SettingsFile, NewFileGetsTheModeTheUmaskAllows) {
    const TempFolder folder;
    const std::string path = folder / "dudedur.ini";
    const mode_t previous = umask(027);
    const Status saved = SaveSettings(path, FormOptions{});
    umask(previous);
    ASSERT_TRUE(saved.ok()) << saved.message();
    EXPECT_EQ(Stat(path).st_mode & 07777, 0640u);
}

TEST(SettingsFile, SymbolicLinkStaysALinkToTheSavedFile) {
    const TempFolder folder;
    const std::string target = folder / "real.ini";
    const std::string path = folder / "dudedur.ini";
    WriteFile(target, "[Form]\nCBDodawanie=0\n");
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);

    ASSERT_TRUE(SaveSettings(path, FormOptions{.CBDzielenie = true}).ok());
    EXPECT_TRUE(S_ISLNK(Stat(path).st_mode));
    EXPECT_EQ(LoadSettings(target), FormOptions{.CBDzielenie = true});
}

// Situations in which the save must fail even for root, leaving everything as it was.
TEST(SettingsFile, FailedSaveReportsAndLeavesTheDiskAsItWas) {
    const TempFolder folder;
    {
        const std::string path = folder / "gone/dudedur.ini";  // the settings folder has gone
        const Status saved = SaveSettings(path, FormOptions{});
        EXPECT_FALSE(saved.ok()) << "folder gone";
        EXPECT_NE(saved.message().find(path), std::string::npos) << saved.message();
        EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
    }
    {
        const std::string path = folder / "dudedur.ini";  // a folder where the file should be
        std::filesystem::create_directory(path);
        std::filesystem::create_directory(path + "/inside");
        const Status saved = SaveSettings(path, FormOptions{});
        EXPECT_FALSE(saved.ok()) << "path is a folder";
        EXPECT_NE(saved.message().find(path), std::string::npos) << saved.message();
        EXPECT_EQ(Names(path), std::vector<std::string>{"inside"});
        EXPECT_EQ(LoadSettings(path), FormOptions{}) << "a folder loads as defaults";
    }
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"dudedur.ini"});
}

// A pipe or a device at the settings path would block a reader or never end.
TEST(SettingsFile, OnlyARegularFileIsRead) {
    const TempFolder folder;
    const std::string fifo = folder / "fifo.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(LoadSettings(fifo), FormOptions{});
    EXPECT_FALSE(SaveSettings(fifo, FormOptions{}).ok());

    const std::string device = folder / "device.ini";
    ASSERT_EQ(symlink("/dev/zero", device.c_str()), 0);
    EXPECT_EQ(LoadSettings(device), FormOptions{});
}

TEST(SettingsFile, ReadOnlyFileLoadsButIsNotChangedBySave) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    const TempFolder folder;
    const std::string path = folder / "dudedur.ini";
    WriteFile(path, kForeignFile);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);

    EXPECT_EQ(LoadSettings(path), (FormOptions{.CBMnozenie = true, .ComboZakresDodawanie = 4}));
    EXPECT_FALSE(SaveSettings(path, FormOptions{}).ok());
    EXPECT_EQ(ReadFile(path), kForeignFile);
    EXPECT_EQ(Stat(path).st_mode & 07777, 0444u);
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"dudedur.ini"});
}

class PrepareSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        environment_.Set("HOME", home_ / "home");
        environment_.Set("XDG_CONFIG_HOME", home_ / "config");
        environment_.Set("XDG_DOCUMENTS_DIR", home_ / "docs");
    }

    TempFolder home_;
    ScopedEnvironment environment_;
};

TEST_F(PrepareSettingsTest, FirstRunCreatesBothFoldersAndGivesTheDefaults) {
    const PreparedSettings prepared = PrepareSettings();
    EXPECT_EQ(prepared.settingsFolder, home_ / "config/ruzerod/dudedur/");
    EXPECT_EQ(prepared.settingsFile, home_ / "config/ruzerod/dudedur/dudedur.ini");
    EXPECT_EQ(prepared.outputFolder, home_ / "docs/Dudedur/");
    EXPECT_TRUE(std::filesystem::is_directory(prepared.settingsFolder));
    EXPECT_TRUE(std::filesystem::is_directory(prepared.outputFolder));
    EXPECT_FALSE(std::filesystem::exists(prepared.settingsFile));
    EXPECT_EQ(prepared.options, FormOptions{});
}

TEST_F(PrepareSettingsTest, BracketsStoredWithoutThreeArgumentsAreClearedAndSavedAsZero) {
    const std::string folder = home_ / "config/ruzerod/dudedur/";
    std::filesystem::create_directories(folder);
    WriteFile(folder + "dudedur.ini",
              "[Form]\nAdvOfficeCheckBoxNawiasy=1\nAdvOfficeCheckBoxTrzSkladniki=0\n");

    const PreparedSettings prepared = PrepareSettings();
    EXPECT_EQ(prepared.options, FormOptions{});
    ASSERT_TRUE(SaveSettings(prepared.settingsFile, prepared.options).ok());
    EXPECT_TRUE(
        ReadFile(prepared.settingsFile).starts_with("[Form]\nAdvOfficeCheckBoxNawiasy=0\n"));
}

TEST_F(PrepareSettingsTest, BracketsWithThreeArgumentsStay) {
    const std::string folder = home_ / "config/ruzerod/dudedur/";
    std::filesystem::create_directories(folder);
    WriteFile(folder + "dudedur.ini",
              "[Form]\nAdvOfficeCheckBoxNawiasy=1\nAdvOfficeCheckBoxTrzSkladniki=1\n");
    EXPECT_EQ(PrepareSettings().options, (FormOptions{.AdvOfficeCheckBoxTrzSkladniki = true,
                                                      .AdvOfficeCheckBoxNawiasy = true}));
}

TEST_F(PrepareSettingsTest, FoldersThatCannotBeCreatedCostOnlyTheDefaults) {
    WriteFile(home_ / "blocked", "a file where a folder should be");
    environment_.Set("XDG_CONFIG_HOME", home_ / "blocked");
    environment_.Set("XDG_DOCUMENTS_DIR", home_ / "blocked/docs");
    const PreparedSettings prepared = PrepareSettings();
    EXPECT_EQ(prepared.options, FormOptions{});
    EXPECT_FALSE(SaveSettings(prepared.settingsFile, prepared.options).ok());
    EXPECT_EQ(ReadFile(home_ / "blocked"), "a file where a folder should be");
}

}  // namespace
}  // namespace dudedur::settings
