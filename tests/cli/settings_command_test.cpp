// `dudedur settings` and the `--settings` option of `generate` and `catalogue`, run as a program
// with its per-user folders in a temporary home.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_folder.h"

namespace dudedur::cli {
namespace {

using testing::ProgramRun;
using testing::RunDudedur;
using testing::RunProgram;
using testing::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class SettingsCommandTest : public ::testing::Test {
  protected:
    std::string SettingsFile() const { return home_ / "config/ruzerod/dudedur/dudedur.ini"; }
    std::string OutputFolder() const { return home_ / "docs/Dudedur/"; }

    void StoreSettings(const std::string& text) const {
        std::filesystem::create_directories(home_ / "config/ruzerod/dudedur");
        std::ofstream(SettingsFile(), std::ios::binary) << text;
    }

    ProgramRun Run(const std::vector<std::string>& args) const {
        return RunDudedur(args, {{"HOME", home_ / "home"},
                                 {"XDG_CONFIG_HOME", home_ / "config"},
                                 {"XDG_DOCUMENTS_DIR", home_ / "docs"}});
    }

    // The number of pages of a PDF file, as pdfinfo reports it.
    static int PageCount(const std::string& path) {
        for (const std::string& line : Lines(RunProgram({"pdfinfo", path}).out)) {
            if (line.starts_with("Pages:")) return std::stoi(line.substr(6));
        }
        return -1;
    }

    TempFolder home_;
};

TEST_F(SettingsCommandTest, FirstRunPrintsThePathAndTheDefaults) {
    const ProgramRun run = Run({"settings"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 14u) << run.out;
    EXPECT_EQ(lines[0], "Plik ustawień: " + SettingsFile());
    EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "reading must not create the file";
}

TEST_F(SettingsCommandTest, EachOptionShowsItsValueAndMeaning) {
    StoreSettings(
        "[Form]\r\nCBMnozenie=2\r\nCBDodawanie=nie\r\nAdvOfficeCheckBoxNawiasy=1\r\n"
        "ComboZakresDodawanie=4\r\nComboZakresOdejmowanie=7\r\nAdvComboBoxLiczbaZadan=0x2\r\n"
        "AdvComboBoxLiczbaZestawow=-1\r\nAdvComboBoxLiczbaNaStronie=0\r\n");
    const ProgramRun run = Run({"settings"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 14u) << run.out;

    struct Expected {
        const char* key;
        const char* value;
        const char* meaning;  // how the line ends
    };
    const Expected expected[] = {
        {"CBDodawanie", "1", "Dodawanie: zaznaczone"},
        {"CBOdejmowanie", "0", "Odejmowanie: niezaznaczone"},
        {"CBMnozenie", "1", "Mnożenie: zaznaczone"},
        {"CBDzielenie", "0", "Dzielenie: niezaznaczone"},
        {"AdvOfficeCheckBoxTrzSkladniki", "0", "Zadania z trzema argumentami: niezaznaczone"},
        {"AdvOfficeCheckBoxNawiasy", "0",
         "Zadania z nawiasami   np.   44 - ( 4 * 7 ): niezaznaczone"},
        {"AdvOfficeCheckBoxNiewiadoma", "0",
         "Zadania z jednym brakującym argumentem  np.   3  +  __  =  34: niezaznaczone"},
        {"AdvOfficeCheckBoxPominZeroIJeden", "0",
         "Pomiń dla argumentów wartości jeden i zero: niezaznaczone"},
        {"ComboZakresDodawanie", "4", "Dodawanie i odejmowanie w zakresie: \"30\""},
        {"ComboZakresOdejmowanie", "-1", "Mnożenie i dzielenie w zakresie: brak wyboru"},
        {"AdvComboBoxLiczbaZadan", "2", "Liczba zadań w zestawie: \"18\""},
        {"AdvComboBoxLiczbaZestawow", "-1", "Liczba zestawów: brak wyboru"},
        {"AdvComboBoxLiczbaNaStronie", "0", "Liczba zestawów na stronie: \"1\""},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const std::string& line = lines[i + 1];
        std::istringstream words(line);
        std::string key, value;
        words >> key >> value;
        EXPECT_EQ(key, expected[i].key) << line;
        EXPECT_EQ(value, expected[i].value) << line;
        EXPECT_TRUE(line.ends_with(expected[i].meaning)) << line;
    }
}

TEST_F(SettingsCommandTest, TsvPrintsThirteenLinesInWriteOrderAndNothingElse) {
    StoreSettings(
        "[Okno]\nCBDodawanie=0\n[form]\ncbdzielenie=5\nAdvOfficeCheckBoxTrzSkladniki=1\n"
        "AdvOfficeCheckBoxNawiasy=1\nComboZakresDodawanie=6\nAdvComboBoxLiczbaNaStronie=9");
    const ProgramRun run = Run({"settings", "--tsv"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "CBDodawanie\t1\n"
              "CBOdejmowanie\t0\n"
              "CBMnozenie\t0\n"
              "CBDzielenie\t1\n"
              "AdvOfficeCheckBoxTrzSkladniki\t1\n"
              "AdvOfficeCheckBoxNawiasy\t1\n"
              "AdvOfficeCheckBoxNiewiadoma\t0\n"
              "AdvOfficeCheckBoxPominZeroIJeden\t0\n"
              "ComboZakresDodawanie\t6\n"
              "ComboZakresOdejmowanie\t0\n"
              "AdvComboBoxLiczbaZadan\t1\n"
              "AdvComboBoxLiczbaZestawow\t1\n"
              "AdvComboBoxLiczbaNaStronie\t-1\n");
}

TEST_F(SettingsCommandTest, TsvShowsBracketsClearedWithoutThreeArguments) {
    StoreSettings("[Form]\nAdvOfficeCheckBoxNawiasy=1\nAdvOfficeCheckBoxTrzSkladniki=0\n");
    const ProgramRun run = Run({"settings", "--tsv"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find("\nAdvOfficeCheckBoxNawiasy\t0\n"), std::string::npos) << run.out;
}

TEST_F(SettingsCommandTest, UnknownOptionIsRefused) {
    const ProgramRun run = Run({"settings", "--csv"});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--csv"), std::string::npos) << run.err;
}

TEST_F(SettingsCommandTest, CatalogueTakesTheStoredOptionsAndLaterOptionsOverride) {
    StoreSettings(
        "[Form]\nCBDodawanie=0\nCBOdejmowanie=1\nCBMnozenie=1\nComboZakresDodawanie=1\n"
        "ComboZakresOdejmowanie=1\nAdvOfficeCheckBoxNawiasy=1\n");
    struct Case {
        std::vector<std::string> withSettings;
        std::vector<std::string> spelledOut;
    };
    const Case cases[] = {
        {{"--settings"}, {"--sub", "--mul", "--add-range", "20", "--mul-range", "30"}},
        {{"--settings", "--mul-range", "20"},
         {"--sub", "--mul", "--add-range", "20", "--mul-range", "20"}},
        {{"--settings", "--div", "--three"},
         {"--sub", "--mul", "--div", "--three", "--add-range", "20", "--mul-range", "30"}},
        {{"--three", "--add-range", "50", "--settings"},
         {"--sub", "--mul", "--add-range", "20", "--mul-range", "30"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> withSettings = {"catalogue", "--tsv"};
        withSettings.insert(withSettings.end(), c.withSettings.begin(), c.withSettings.end());
        std::vector<std::string> spelledOut = {"catalogue", "--tsv"};
        spelledOut.insert(spelledOut.end(), c.spelledOut.begin(), c.spelledOut.end());
        const ProgramRun stored = Run(withSettings);
        const ProgramRun given = Run(spelledOut);
        ASSERT_EQ(stored.exitStatus, 0) << stored.err;
        ASSERT_EQ(given.exitStatus, 0) << given.err;
        EXPECT_NE(stored.out, "");
        EXPECT_EQ(stored.out, given.out) << c.withSettings.back();
    }
}

TEST_F(SettingsCommandTest, GenerateTakesTheStoredOptionsAndLaterOptionsOverride) {
    // Four sets, one set per page: four problem pages and the answers page.
    StoreSettings("[Form]\nAdvComboBoxLiczbaZestawow=2\nAdvComboBoxLiczbaNaStronie=0\n");
    struct Case {
        std::vector<std::string> options;
        int pages;
    };
    const Case cases[] = {
        {{"--settings"}, 5},
        {{"--settings", "--per-page", "2"}, 3},
        {{"--settings", "--sets", "1"}, 2},
        {{"--sets", "1", "--settings"}, 5},
    };
    int index = 0;
    for (const Case& c : cases) {
        const std::string output = home_ / ("out" + std::to_string(index++) + ".pdf");
        std::vector<std::string> args = {"generate", "--seed", "7", "-o", output};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProgramRun run = Run(args);
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(PageCount(output), c.pages) << c.options.back();
    }
}

TEST_F(SettingsCommandTest, GenerateWritesIntoTheDocumentsFolder) {
    StoreSettings("[Form]\nAdvComboBoxLiczbaZestawow=0\n");
    const ProgramRun run = Run({"generate", "--seed", "3", "--settings"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u) << run.out;
    EXPECT_TRUE(lines[0].starts_with(OutputFolder() + "zadania_")) << lines[0];
    EXPECT_EQ(PageCount(lines[0]), 2);
}

TEST_F(SettingsCommandTest, NoEntryInSetsPerPagePrintsOneSetPerPage) {
    StoreSettings("[Form]\nAdvComboBoxLiczbaNaStronie=-1\n");
    const std::string output = home_ / "out.pdf";
    const ProgramRun run = Run({"generate", "--seed", "1", "-o", output, "--settings"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(PageCount(output), 3) << "two sets on their own pages and the answers page";
}

TEST_F(SettingsCommandTest, ListWithoutEntryStopsNamingTheList) {
    struct Case {
        const char* stored;
        const char* list;
        bool catalogueToo;  // the catalogue reads only the two ranges
    };
    const Case cases[] = {
        {"ComboZakresDodawanie=7", "Dodawanie i odejmowanie w zakresie", true},
        {"ComboZakresOdejmowanie=-1", "Mnożenie i dzielenie w zakresie", true},
        {"AdvComboBoxLiczbaZadan=3", "Liczba zadań w zestawie", false},
        {"AdvComboBoxLiczbaZestawow=-1", "Liczba zestawów", false},
    };
    for (const Case& c : cases) {
        StoreSettings(std::string("[Form]\n") + c.stored + "\n");
        const std::string output = home_ / "out.pdf";
        std::vector<std::vector<std::string>> commands = {{"generate", "--settings", "-o", output},
                                                          {"generate", "--settings"}};
        if (c.catalogueToo) commands.push_back({"catalogue", "--settings"});
        for (const std::vector<std::string>& args : commands) {
            const ProgramRun run = Run(args);
            EXPECT_EQ(run.exitStatus, 2) << c.stored << ' ' << args[0];
            EXPECT_EQ(run.out, "") << c.stored << ' ' << args[0];
            EXPECT_NE(run.err.find(std::string("\"") + c.list + "\""), std::string::npos)
                << c.stored << ' ' << args[0] << '\n'
                << run.err;
            EXPECT_FALSE(std::filesystem::exists(output)) << c.stored;
            EXPECT_FALSE(std::filesystem::exists(OutputFolder()) &&
                         !std::filesystem::is_empty(OutputFolder()))
                << c.stored;
        }
    }
}

}  // namespace
}  // namespace dudedur::cli
