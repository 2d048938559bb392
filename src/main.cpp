// The `dudedur` program: the main window without a subcommand, else the command line.
#include "cli/cli.h"

int main(int argc, char** argv) { return dudedur::cli::RunCommandLine(argc, argv); }
