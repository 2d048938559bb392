// The `dudedur` program: the main window without a subcommand, else the command line.
#include "cli/cli.h"

#ifdef DUDEDUR_HAS_WINDOW
#include "app/run_window.h"
#endif

int main(int argc, char** argv) {
#ifdef DUDEDUR_HAS_WINDOW
    if (argc < 2) return dudedur::app::RunWindow(argc, argv);
#endif
    return dudedur::cli::RunCommandLine(argc, argv);
}
