#include "cli/cli.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/catalogue_command.h"
#include "cli/command_options.h"
#include "model/sweep.h"

namespace dudedur::cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitBadInput = 2;

constexpr const char* kUsage =
    "Użycie: dudedur [polecenie] [opcje]\n"
    "Bez polecenia uruchamia okno programu.\n\n"
    "Polecenia:\n"
    "  catalogue   wypisuje katalog zadań dla wybranych opcji\n"
    "  generate    zapisuje arkusz zadań w PDF\n\n"
    "Opcje każdego polecenia: dudedur <polecenie> --help\n";

int BadInput(const std::string& message) {
    std::cerr << "dudedur: " << message << '\n';
    return kExitBadInput;
}

Result<StoredOptions> NoStoredOptions() {
    return Status::Error("ustawienia nie są jeszcze dostępne");
}

int RunCatalogue(const std::vector<std::string>& args) {
    const Result<CommandOptions> parsed =
        ParseCommandOptions(Command::kCatalogue, args, NoStoredOptions);
    if (!parsed.ok()) return BadInput(parsed.message());
    const CommandOptions& options = parsed.value();
    if (options.help) {
        std::cout << CommandHelp(Command::kCatalogue);
        return kExitOk;
    }
    if (options.list && !options.tsv) return BadInput("--list: działa tylko razem z --tsv");
    Dudedur catalogue;
    const Status status = BuildCatalogue(options.generation, catalogue);
    if (!status.ok()) {
        std::cerr << status.message() << '\n';
        return kExitRefused;
    }
    if (options.tsv) {
        PrintCatalogueTsv(catalogue, options.list, std::cout);
    } else {
        PrintCatalogue(catalogue, std::cout);
    }
    std::cout.flush();
    return std::cout.good() ? kExitOk : kExitRefused;
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kUsage;
        return kExitBadInput;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "catalogue") return RunCatalogue(args);
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return kExitOk;
    }
    if (command == "--version") {
        std::cout << "Dudedur 2.0.0.0\n";
        return kExitOk;
    }
    return BadInput(command + ": nieznane polecenie\n" + kUsage);
}

}  // namespace dudedur::cli
