// A main window on real services (settings store, generate action) under a temporary HOME, with
// the boxes and the desktop's opener replaced by recorders, so nothing blocks or leaves the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/form_zadania_form.h"
#include "app/window_services.h"
#include "scoped_environment.h"
#include "temp_folder.h"

namespace dudedur::app {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        environment.Set("HOME", home.path());
        environment.Unset("XDG_CONFIG_HOME");
        environment.Unset("XDG_DOCUMENTS_DIR");
    }

    WindowServices Services() {
        WindowServices services = DefaultWindowServices();
        services.showMessage = [this](QWidget*, const std::string& text) {
            messages.push_back(text);
        };
        services.showError = [this](QWidget*, const std::string& message) {
            errors.push_back(message);
        };
        services.openTarget = [this](const std::string& target) { opened.push_back(target); };
        return services;
    }

    std::unique_ptr<TFormZadaniaForm> MakeWindow() {
        return std::make_unique<TFormZadaniaForm>(Services());
    }
    std::unique_ptr<TFormZadaniaForm> MakeWindow(WindowServices services) {
        return std::make_unique<TFormZadaniaForm>(std::move(services));
    }

    // Shown and active, as the user sees it.
    static void Show(TFormZadaniaForm& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    std::string SettingsFile() const { return home / ".config/ruzerod/dudedur/dudedur.ini"; }
    std::string OutputFolder() const { return home / "Documents/Dudedur/"; }

    void WriteSettings(const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(SettingsFile()).parent_path());
        std::ofstream(SettingsFile()) << text;
    }

    std::vector<std::string> OutputFiles() const {
        std::vector<std::string> files;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(OutputFolder(), ignored)) {
            files.push_back(entry.path().string());
        }
        return files;
    }

    testing::TempFolder home;
    testing::ScopedEnvironment environment;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> opened;
};

}  // namespace dudedur::app
