#include "app/window_services.h"

#include "app/error_box.h"
#include "platform/desktop_opener.h"

namespace dudedur::app {

WindowServices DefaultWindowServices() {
    WindowServices services;
    services.prepareSettings = settings::PrepareSettings;
    services.saveSettings = settings::SaveSettings;
    services.generate = [](const GenerateRequest& request, WorksheetSession& session,
                           const SweepProgress& progress) {
        return GenerateWorksheet(request, session, progress);
    };
    services.openTarget = platform::OpenWithDesktop;
    services.showMessage = ShowMessageBox;
    services.showError = ShowErrorBox;
    return services;
}

}  // namespace dudedur::app
