#include "cli/stored_options.h"

#include "settings/settings_store.h"
#include "worksheet/form_request.h"

namespace dudedur::cli {

Result<StoredOptions> ToStoredOptions(const settings::FormOptions& form) {
    const Result<GenerateRequest> request = RequestFromForm(form);
    if (!request.ok()) {
        return Status::Error(request.message() +
                             "; wybierz ją w oknie programu albo podaj wartość w wierszu poleceń");
    }
    return StoredOptions{request.value().generation, request.value().worksheet};
}

Result<StoredOptions> LoadStoredOptions() {
    settings::FormOptions form = settings::LoadSettings(settings::SettingsFile());
    settings::ApplyBracketsRule(form);
    return ToStoredOptions(form);
}

}  // namespace dudedur::cli
