#include "cli/cli.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/catalogue_command.h"
#include "cli/command_options.h"
#include "cli/stored_options.h"
#include "model/random.h"
#include "model/sweep.h"
#include "pdf/Pdfhdr.h"
#include "settings/settings_report.h"
#include "settings/settings_store.h"
#include "worksheet/generate_action.h"

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
    "  generate    zapisuje arkusz zadań w PDF\n"
    "  settings    wypisuje zapisane opcje okna\n\n"
    "Opcje każdego polecenia: dudedur <polecenie> --help\n";

int BadInput(const std::string& message) {
    std::cerr << "dudedur: " << message << '\n';
    return kExitBadInput;
}

int RunCatalogue(const std::vector<std::string>& args) {
    const Result<CommandOptions> parsed =
        ParseCommandOptions(Command::kCatalogue, args, LoadStoredOptions);
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

int RunGenerate(const std::vector<std::string>& args) {
    const Result<CommandOptions> parsed =
        ParseCommandOptions(Command::kGenerate, args, LoadStoredOptions);
    if (!parsed.ok()) return BadInput(parsed.message());
    const CommandOptions& options = parsed.value();
    if (options.help) {
        std::cout << CommandHelp(Command::kGenerate);
        return kExitOk;
    }
    uint64_t seed = 0;
    if (options.seed) {
        seed = *options.seed;
        SeedRandom(seed);
    } else {
        seed = SeedRandomFromClock();
    }
    std::cerr << "seed: " << seed << '\n';

    GenerateRequest request;
    request.generation = options.generation;
    request.worksheet = options.worksheet;
    request.outputPath = options.outputPath;
    request.open = options.open;
    Dudedur model;
    TRolePDF pdf;
    WorksheetSession session{model, pdf};
    const Result<std::string> written = GenerateWorksheet(request, session);
    if (!written.ok()) {
        std::cerr << written.message() << '\n';
        return kExitRefused;
    }
    std::cout << written.value() << '\n';
    return kExitOk;
}

int RunSettings(const std::vector<std::string>& args) {
    bool tsv = false;
    for (const std::string& arg : args) {
        if (arg == "--tsv") {
            tsv = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "Użycie: dudedur settings [--tsv]\n"
                         "Wypisuje ścieżkę pliku ustawień i trzynaście zapisanych opcji okna.\n"
                         "  --tsv   dla skryptów: trzynaście wierszy klucz<TAB>wartość\n";
            return kExitOk;
        } else {
            return BadInput(arg + ": nieznana opcja (zobacz --help)");
        }
    }
    const std::string path = settings::SettingsFile();
    settings::FormOptions options = settings::LoadSettings(path);
    settings::ApplyBracketsRule(options);
    std::cout << (tsv ? settings::SettingsTsv(options) : settings::DescribeSettings(path, options));
    return kExitOk;
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
    if (command == "generate") return RunGenerate(args);
    if (command == "settings") return RunSettings(args);
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
