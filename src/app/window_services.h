// What the main window asks of the rest of the program: the settings store, the generate action,
// the desktop's opener and the modal boxes. The window only maps its controls to options and
// shows results; tests hand in their own services so that nothing blocks or leaves the sandbox.
#pragma once

#include <functional>
#include <string>

#include "common/status.h"
#include "model/sweep.h"
#include "settings/form_options.h"
#include "settings/settings_store.h"
#include "worksheet/generate_action.h"

class QWidget;

namespace dudedur::app {

struct WindowServices {
    // Fixes the folders and loads the options (brackets rule applied); run once at construction.
    std::function<settings::PreparedSettings()> prepareSettings;
    // Writes the options to the settings file; a failure is not shown to the user.
    std::function<Status(const std::string& path, const settings::FormOptions&)> saveSettings;
    // The shared generate action.
    std::function<Result<std::string>(const GenerateRequest&, WorksheetSession&,
                                      const SweepProgress&)>
        generate;
    // Opens a web address or a finished document in the desktop's application for it.
    std::function<void(const std::string& target)> openTarget;
    // A message the user can act on, in a modal box with one OK button.
    std::function<void(QWidget* parent, const std::string& text)> showMessage;
    // A failure that escaped a handler, in the error box (the full-stop rule applied by it).
    std::function<void(QWidget* parent, const std::string& message)> showError;
};

// The services of a real run: the per-user settings store, the generate action, the desktop's
// opener and real modal boxes.
WindowServices DefaultWindowServices();

}  // namespace dudedur::app
