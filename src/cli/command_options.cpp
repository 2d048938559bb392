#include "cli/command_options.h"

#include <charconv>
#include <limits>

namespace dudedur::cli {
namespace {

// Reads a whole decimal integer from lo to hi.
std::optional<int64_t> ParseInteger(const std::string& text, int64_t lo, int64_t hi) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end || value < lo || value > hi) {
        return std::nullopt;
    }
    return value;
}

Status BadValue(const std::string& option, const std::string& accepts, const std::string& given) {
    return Status::Error(option + ": oczekiwano " + accepts + ", podano \"" + given + "\"");
}

}  // namespace

Result<CommandOptions> ParseCommandOptions(Command command, const std::vector<std::string>& args,
                                           StoredOptionsLoader loadStored) {
    const bool generate = command == Command::kGenerate;
    CommandOptions options;
    bool fromSettings = false;
    bool operationGiven = false;
    bool addition = false;
    bool bracketsGiven = false;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The value of an option that takes one, as the next argument.
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        auto integer = [&](int64_t lo, int64_t hi, const std::string& accepts) -> Result<int64_t> {
            const std::optional<std::string> text = value();
            if (!text) return Status::Error(arg + ": brak wartości; oczekiwano " + accepts);
            const std::optional<int64_t> number = ParseInteger(*text, lo, hi);
            if (!number) return BadValue(arg, accepts, *text);
            return *number;
        };

        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        } else if (arg == "--add") {
            operationGiven = addition = true;
            options.generation.addition = true;
        } else if (arg == "--sub") {
            operationGiven = options.generation.subtraction = true;
        } else if (arg == "--mul") {
            operationGiven = options.generation.multiplication = true;
        } else if (arg == "--div") {
            operationGiven = options.generation.division = true;
        } else if (arg == "--three") {
            options.generation.threeArguments = true;
        } else if (arg == "--brackets") {
            bracketsGiven = options.generation.brackets = true;
        } else if (arg == "--skip-zero-one") {
            options.generation.skipZeroAndOne = true;
        } else if (arg == "--add-range" || arg == "--mul-range") {
            const Result<int64_t> range = integer(0, 10000, "liczby całkowitej od 0 do 10000");
            if (!range.ok()) return range.status();
            (arg == "--add-range" ? options.generation.addRange : options.generation.mulRange) =
                static_cast<int32_t>(range.value());
        } else if (arg == "--settings") {
            const Result<StoredOptions> stored = loadStored();
            if (!stored.ok()) return Status::Error("--settings: " + stored.message());
            options.generation = stored.value().generation;
            options.worksheet = stored.value().worksheet;
            fromSettings = true;
            operationGiven = bracketsGiven = addition = false;
        } else if (!generate && arg == "--tsv") {
            options.tsv = true;
        } else if (!generate && arg == "--list") {
            options.list = true;
        } else if (generate && arg == "--missing") {
            options.worksheet.missingArgument = true;
        } else if (generate && arg == "--problems") {
            const Result<int64_t> problems = integer(1, 18, "liczby całkowitej od 1 do 18");
            if (!problems.ok()) return problems.status();
            options.worksheet.problemsPerSet = static_cast<int32_t>(problems.value());
        } else if (generate && arg == "--sets") {
            const Result<int64_t> sets = integer(1, 10, "liczby całkowitej od 1 do 10");
            if (!sets.ok()) return sets.status();
            options.worksheet.setCount = static_cast<int32_t>(sets.value());
        } else if (generate && arg == "--per-page") {
            const Result<int64_t> perPage = integer(1, 2, "1 albo 2");
            if (!perPage.ok()) return perPage.status();
            options.worksheet.twoSetsPerPage = perPage.value() == 2;
        } else if (generate && arg == "--seed") {
            const std::optional<std::string> text = value();
            if (!text) return Status::Error(arg + ": brak wartości; oczekiwano liczby naturalnej");
            const std::optional<int64_t> seed =
                ParseInteger(*text, 0, std::numeric_limits<int64_t>::max());
            if (!seed) return BadValue(arg, "liczby naturalnej", *text);
            options.seed = static_cast<uint64_t>(*seed);
        } else if (generate && (arg == "-o" || arg == "--output")) {
            const std::optional<std::string> path = value();
            if (!path || path->empty()) {
                return Status::Error(arg + ": brak wartości; oczekiwano ścieżki pliku PDF");
            }
            options.outputPath = *path;
        } else if (generate && arg == "--open") {
            options.open = true;
        } else {
            return Status::Error(arg + ": nieznana opcja (zobacz --help)");
        }
    }

    // Without any operation given, addition alone, as the window starts.
    if (!fromSettings && !operationGiven) options.generation.addition = true;
    if (!fromSettings && operationGiven) options.generation.addition = addition;
    if (options.generation.brackets && !options.generation.threeArguments) {
        if (bracketsGiven) return Status::Error("--brackets: działa tylko razem z --three");
        options.generation.brackets = false;  // brackets are only in force with three arguments
    }
    return options;
}

std::string CommandHelp(Command command) {
    const std::string common =
        "Działania (bez żadnego: samo dodawanie):\n"
        "  --add                dodawanie\n"
        "  --sub                odejmowanie\n"
        "  --mul                mnożenie\n"
        "  --div                dzielenie\n"
        "Opcje zadań:\n"
        "  --three              zadania z trzema argumentami\n"
        "  --brackets           zadania z nawiasami (tylko z --three)\n"
        "  --skip-zero-one      pomiń dla argumentów wartości jeden i zero\n"
        "  --add-range N        dodawanie i odejmowanie w zakresie N (0-10000, domyślnie 10)\n"
        "  --mul-range N        mnożenie i dzielenie w zakresie N (0-10000, domyślnie 20)\n"
        "  --settings           opcje z pliku ustawień okna; opcje podane po nim je zmieniają\n"
        "  -h, --help           ta pomoc\n";
    if (command == Command::kCatalogue) {
        return "Użycie: dudedur catalogue [opcje]\n"
               "Wypisuje katalog wszystkich poprawnych zadań dla wybranych opcji, grupa po "
               "grupie.\n\n" +
               common +
               "Wyjście:\n"
               "  --tsv                dla skryptów: group<TAB>op1<TAB>op2<TAB>count na grupę,\n"
               "                       na końcu total<TAB>count\n"
               "  --list               z --tsv: po każdej grupie jej zadania,\n"
               "                       a<TAB>b<TAB>c<TAB>op1<TAB>op2<TAB>bracketMode<TAB>result\n";
    }
    return "Użycie: dudedur generate [opcje]\n"
           "Zapisuje arkusz zadań w PDF i wypisuje jego ścieżkę.\n\n" +
           common +
           "Opcje wydruku:\n"
           "  --missing            zadania z jednym brakującym argumentem\n"
           "  --problems N         liczba zadań w zestawie (1-18, domyślnie 15)\n"
           "  --sets N             liczba zestawów (1-10, domyślnie 2)\n"
           "  --per-page 1|2       liczba zestawów na stronie (domyślnie 2)\n"
           "  --seed N             ziarno losowania; to samo ziarno i te same opcje dają\n"
           "                       te same zadania\n"
           "  -o, --output PLIK    zapisz do PLIKU (domyślnie: zadania_<data>.pdf w folderze\n"
           "                       Dudedur w dokumentach)\n"
           "  --open               otwórz gotowy dokument w przeglądarce PDF\n";
}

}  // namespace dudedur::cli
