// The per-user folders, from the environment and the user-dirs file.
#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "scoped_environment.h"
#include "settings/settings_store.h"
#include "temp_folder.h"

namespace dudedur::settings {
namespace {

using testing::ScopedEnvironment;
using testing::TempFolder;

TEST(UserFolders, SettingsFolderFollowsTheConfigurationFolder) {
    struct Case {
        const char* name;
        std::optional<std::string> configHome;
        std::string expected;
    };
    const Case cases[] = {
        {"XDG_CONFIG_HOME", "/x/cfg", "/x/cfg/ruzerod/dudedur/"},
        {"XDG_CONFIG_HOME ending with a slash", "/x/cfg/", "/x/cfg/ruzerod/dudedur/"},
        {"relative XDG_CONFIG_HOME ignored", "cfg", "/h/.config/ruzerod/dudedur/"},
        {"empty XDG_CONFIG_HOME ignored", "", "/h/.config/ruzerod/dudedur/"},
        {"no XDG_CONFIG_HOME", std::nullopt, "/h/.config/ruzerod/dudedur/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment environment;
        environment.Set("HOME", "/h/");
        if (c.configHome) {
            environment.Set("XDG_CONFIG_HOME", *c.configHome);
        } else {
            environment.Unset("XDG_CONFIG_HOME");
        }
        EXPECT_EQ(SettingsFolder(), c.expected) << c.name;
        EXPECT_EQ(SettingsFile(), c.expected + "dudedur.ini") << c.name;
    }
}

TEST(UserFolders, OutputFolderFollowsTheDocumentsFolder) {
    struct Case {
        const char* name;
        std::optional<std::string> documentsDir;  // XDG_DOCUMENTS_DIR in the environment
        std::optional<std::string> userDirs;      // the user-dirs.dirs file
        std::string expected;                     // after the home folder "/h" is put for "~"
    };
    const Case cases[] = {
        {"environment", "/d", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n", "/d/Dudedur/"},
        {"relative environment ignored", "docs", std::nullopt, "~/Documents/Dudedur/"},
        {"user-dirs under $HOME", std::nullopt, "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n",
         "~/Dokumenty/Dudedur/"},
        {"user-dirs under ${HOME}", std::nullopt, "XDG_DOCUMENTS_DIR=\"${HOME}/Dok\"\n",
         "~/Dok/Dudedur/"},
        {"user-dirs absolute, escaped blank", std::nullopt,
         "# comment\nXDG_DESKTOP_DIR=\"$HOME/Pulpit\"\nXDG_DOCUMENTS_DIR=\"/srv/moje\\ dok\"\n",
         "/srv/moje dok/Dudedur/"},
        {"later user-dirs line wins", std::nullopt,
         "XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"\r\n", "~/B/Dudedur/"},
        {"user-dirs relative path ignored", std::nullopt, "XDG_DOCUMENTS_DIR=\"docs\"\n",
         "~/Documents/Dudedur/"},
        {"user-dirs $HOMEX is not $HOME", std::nullopt, "XDG_DOCUMENTS_DIR=\"$HOMEX/d\"\n",
         "~/Documents/Dudedur/"},
        {"no user-dirs file", std::nullopt, std::nullopt, "~/Documents/Dudedur/"},
    };
    for (const Case& c : cases) {
        const TempFolder config;
        ScopedEnvironment environment;
        environment.Set("HOME", "/h");
        environment.Set("XDG_CONFIG_HOME", config.path());
        if (c.documentsDir) {
            environment.Set("XDG_DOCUMENTS_DIR", *c.documentsDir);
        } else {
            environment.Unset("XDG_DOCUMENTS_DIR");
        }
        if (c.userDirs) std::ofstream(config / "user-dirs.dirs") << *c.userDirs;
        std::string expected = c.expected;
        if (expected.starts_with('~')) expected.replace(0, 1, "/h");
        EXPECT_EQ(OutputFolder(), expected) << c.name;
    }
}

TEST(UserFolders, EnvironmentIsRestoredAfterATest) {
    ScopedEnvironment outer;
    outer.Set("XDG_CONFIG_HOME", "/before");
    {
        ScopedEnvironment inner;
        inner.Unset("XDG_CONFIG_HOME");
        inner.Set("XDG_CONFIG_HOME", "/during");
    }
    EXPECT_EQ(platform::ConfigFolder(), "/before/");
}

TEST(UserFolders, CreateFolderWithParents) {
    const TempFolder folder;
    EXPECT_TRUE(platform::CreateFolderWithParents(folder / "a/b/c/").ok());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a/b/c"));
    EXPECT_TRUE(platform::CreateFolderWithParents(folder / "a/b/c/").ok()) << "already there";

    std::ofstream(folder / "file") << "x";
    const Status failed = platform::CreateFolderWithParents(folder / "file/sub/");
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.message().find(folder / "file/sub/"), std::string::npos) << failed.message();
}

}  // namespace
}  // namespace dudedur::settings
