#include "worksheet/generate_action.h"

#include "platform/user_folders.h"
#include "settings/settings_store.h"
#include "worksheet/output_file.h"
#include "worksheet/worksheet_writer.h"

namespace dudedur {

Result<std::string> GenerateWorksheet(const GenerateRequest& request, WorksheetSession& session,
                                      const SweepProgress& progress) {
    if (const Status built = BuildCatalogue(request.generation, session.model, progress);
        !built.ok()) {
        return built;
    }
    if (session.model.ProblemCount() == 0) return Status::Error(kNoProblemFitsMessage);

    session.documentTime = session.now();
    std::string path = request.outputPath;
    if (path.empty()) {
        const std::string folder = settings::OutputFolder();
        static_cast<void>(
            platform::CreateFolderWithParents(folder));  // a failure shows when writing
        path = folder + DocumentFileName(session.documentTime);
    }
    if (const Status removed = RemoveOldFile(path); !removed.ok()) return removed;
    return WriteWorksheet(session, request.worksheet, request.generation.threeArguments, path,
                          request.open);
}

}  // namespace dudedur
