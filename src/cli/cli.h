// The command-line front end: `dudedur <subcommand> [options]`.
#pragma once

namespace dudedur::cli {

// Runs one subcommand and returns the process's exit status: 0 on success, 1 when the action was
// refused, 2 for bad input. Expects a subcommand in argv[1].
int RunCommandLine(int argc, char** argv);

}  // namespace dudedur::cli
