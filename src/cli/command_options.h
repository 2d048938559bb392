// The options of the `catalogue` and `generate` subcommands, read from the command line.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/status.h"
#include "model/generation_options.h"
#include "worksheet/generate_action.h"

namespace dudedur::cli {

enum class Command { kCatalogue, kGenerate };

struct CommandOptions {
    GenerationOptions generation;
    WorksheetOptions worksheet;
    bool help = false;
    // catalogue
    bool tsv = false;
    bool list = false;
    // generate
    std::optional<uint64_t> seed;
    std::string outputPath;
    bool open = false;
};

// Where `--settings` takes its values from: the stored options of the window, or the failure
// (a list with no entry selected) to report.
struct StoredOptions {
    GenerationOptions generation;
    WorksheetOptions worksheet;
};
using StoredOptionsLoader = std::function<Result<StoredOptions>()>;

// Reads the arguments after the subcommand, in order: `--settings` takes every value from the
// settings file, and the options after it override single values. Without any operation given,
// addition alone. Fails with one line naming the option and what it accepts.
Result<CommandOptions> ParseCommandOptions(Command command, const std::vector<std::string>& args,
                                           StoredOptionsLoader loadStored);

// The `--help` text of a subcommand.
std::string CommandHelp(Command command);

}  // namespace dudedur::cli
