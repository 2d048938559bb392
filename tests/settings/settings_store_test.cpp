// Reading and writing the thirteen options on an INI text in memory.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "options_printer.h"
#include "settings/ini_file.h"
#include "settings/option_keys.h"

namespace dudedur::settings {
namespace {

using namespace std::string_literals;

// What a save writes into an empty text: the section and the thirteen keys in order.
constexpr const char* kFirstSave =
    "[Form]\n"
    "CBDodawanie=1\n"
    "CBOdejmowanie=0\n"
    "CBMnozenie=0\n"
    "CBDzielenie=0\n"
    "AdvOfficeCheckBoxTrzSkladniki=0\n"
    "AdvOfficeCheckBoxNawiasy=0\n"
    "AdvOfficeCheckBoxNiewiadoma=0\n"
    "AdvOfficeCheckBoxPominZeroIJeden=0\n"
    "ComboZakresDodawanie=0\n"
    "ComboZakresOdejmowanie=0\n"
    "AdvComboBoxLiczbaZadan=1\n"
    "AdvComboBoxLiczbaZestawow=1\n"
    "AdvComboBoxLiczbaNaStronie=1\n";

TEST(ReadOptions, FileTextGivesOptions) {
    struct Case {
        const char* name;
        std::string text;
        FormOptions expected;
    };
    const Case cases[] = {
        {"empty text: the defaults", "", {}},
        {"no section Form: the defaults", "[Other]\nCBMnozenie=1\nComboZakresDodawanie=3\n", {}},
        {"keys outside section Form ignored", "CBMnozenie=1\n[Formularz]\nCBDzielenie=1\n", {}},
        {"brackets stay as stored; the rule is applied at start-up",
         "[Form]\nAdvOfficeCheckBoxNawiasy=1\nAdvOfficeCheckBoxTrzSkladniki=0\n",
         {.AdvOfficeCheckBoxNawiasy = true}},
        {"second 30 of the addition range",
         "[Form]\nComboZakresDodawanie=4\n",
         {.ComboZakresDodawanie = 4}},
        {"last entries of each list",
         "[Form]\nComboZakresDodawanie=6\nComboZakresOdejmowanie=4\nAdvComboBoxLiczbaZadan=2\n"
         "AdvComboBoxLiczbaZestawow=6\nAdvComboBoxLiczbaNaStronie=0\n",
         {.ComboZakresDodawanie = 6,
          .ComboZakresOdejmowanie = 4,
          .AdvComboBoxLiczbaZadan = 2,
          .AdvComboBoxLiczbaZestawow = 6,
          .AdvComboBoxLiczbaNaStronie = 0}},
        {"position past the end: no entry",
         "[Form]\nComboZakresDodawanie=7\n",
         {.ComboZakresDodawanie = kNoEntry}},
        {"position -1: no entry",
         "[Form]\nComboZakresDodawanie=-1\n",
         {.ComboZakresDodawanie = kNoEntry}},
        {"each list one past its end: no entry",
         "[Form]\nComboZakresOdejmowanie=5\nAdvComboBoxLiczbaZadan=3\n"
         "AdvComboBoxLiczbaZestawow=7\nAdvComboBoxLiczbaNaStronie=2\n",
         {.ComboZakresOdejmowanie = kNoEntry,
          .AdvComboBoxLiczbaZadan = kNoEntry,
          .AdvComboBoxLiczbaZestawow = kNoEntry,
          .AdvComboBoxLiczbaNaStronie = kNoEntry}},
        {"large negative position: no entry",
         "[Form]\nAdvComboBoxLiczbaZadan=-2147483648\n",
         {.AdvComboBoxLiczbaZadan = kNoEntry}},
        {"flag 2 ticks", "[Form]\nCBMnozenie=2\n", {.CBMnozenie = true}},
        {"flag -1 ticks", "[Form]\nCBDzielenie=-1\n", {.CBDzielenie = true}},
        {"non-numeric flag: its default", "[Form]\nCBMnozenie=tak\nCBDodawanie=nie\n", {}},
        {"flag 0 clears a default tick", "[Form]\nCBDodawanie=0\n", {.CBDodawanie = false}},
        {"flag 0x0 clears", "[Form]\nCBDodawanie=0x0\n", {.CBDodawanie = false}},
        {"flag 0x alone: its default", "[Form]\nCBDodawanie=0x\n", {}},
        {"hexadecimal 2 selects 18",
         "[Form]\nAdvComboBoxLiczbaZadan=0x2\n",
         {.AdvComboBoxLiczbaZadan = 2}},
        {"upper-case hexadecimal prefix",
         "[Form]\nComboZakresDodawanie=0X0005\n",
         {.ComboZakresDodawanie = 5}},
        {"hexadecimal -1: no entry",
         "[Form]\nAdvComboBoxLiczbaNaStronie=0xFFFFFFFF\n",
         {.AdvComboBoxLiczbaNaStronie = kNoEntry}},
        {"32-bit overflow: the default",
         "[Form]\nAdvComboBoxLiczbaZestawow=4294967298\nCBDodawanie=2147483648\n"
         "ComboZakresDodawanie=0x100000003\n",
         {}},
        {"empty and blank values: the defaults",
         "[Form]\nCBDodawanie=\nAdvComboBoxLiczbaZadan=  \n",
         {}},
        {"value with a comment after it: the default",
         "[Form]\nAdvComboBoxLiczbaZadan=2 ; 18\n",
         {}},
        {"every key, foreign layout",
         "\xEF\xBB\xBF; written by hand\r\n[other]\r\ncbdodawanie=0\r\n\r\n[ form ]\r\n"
         "  cbdodawanie = 0 \r\n"
         "CBODEJMOWANIE=1\r\ncbmnozenie=1\r\nCbDzielenie=1\r\n"
         "advofficecheckboxtrzskladniki=1\r\nADVOFFICECHECKBOXNAWIASY=1\r\n"
         "AdvOfficeCheckBoxNiewiadoma = 1\r\nAdvOfficeCheckBoxPominZeroIJeden\t=\t1\r\n"
         "combozakresdodawanie=3\r\ncombozakresodejmowanie=2\r\nadvcomboboxliczbazadan=0\r\n"
         "advcomboboxliczbazestawow=5\r\nadvcomboboxliczbanastronie=0",
         {.CBDodawanie = false,
          .CBOdejmowanie = true,
          .CBMnozenie = true,
          .CBDzielenie = true,
          .AdvOfficeCheckBoxTrzSkladniki = true,
          .AdvOfficeCheckBoxNawiasy = true,
          .AdvOfficeCheckBoxNiewiadoma = true,
          .AdvOfficeCheckBoxPominZeroIJeden = true,
          .ComboZakresDodawanie = 3,
          .ComboZakresOdejmowanie = 2,
          .AdvComboBoxLiczbaZadan = 0,
          .AdvComboBoxLiczbaZestawow = 5,
          .AdvComboBoxLiczbaNaStronie = 0}},
        {"first of duplicate keys and sections",
         "[Form]\nCBMnozenie=1\ncbmnozenie=0\n[FORM]\nCBMnozenie=0\nCBDzielenie=1\n",
         {.CBMnozenie = true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadOptions(IniFile(c.text)), c.expected) << c.name;
    }
}

TEST(ReadOptions, SecondThirtyReadsAsThirtyAndKeepsItsPosition) {
    const FormOptions options = ReadOptions(IniFile("[Form]\nComboZakresDodawanie=4\n"));
    EXPECT_EQ(ListEntry(kAddRangeEntries, options.ComboZakresDodawanie), "30");
    EXPECT_EQ(ListNumber(kAddRangeEntries, options.ComboZakresDodawanie), 30);
    EXPECT_EQ(ListNumber(kAddRangeEntries, 5), 50);
    EXPECT_EQ(ListNumber(kAddRangeEntries, 6), 100);
    EXPECT_EQ(ListNumber(kProblemsPerSetEntries, 2), 18);
    EXPECT_EQ(ListNumber(kAddRangeEntries, kNoEntry), std::nullopt);
}

TEST(WriteOptions, OptionsAndFileTextGiveFileText) {
    struct Case {
        const char* name;
        std::string before;
        FormOptions options;
        std::string after;
    };
    const Case cases[] = {
        {"first save into an empty text", "", {}, kFirstSave},
        {"flag 2 written back as 1, second 30 as 4, no entry as -1",
         "[Form]\nCBMnozenie=2\nComboZakresDodawanie=4\nComboZakresOdejmowanie=7\n"
         "AdvComboBoxLiczbaZadan=0x2\n",
         {.CBMnozenie = true,
          .ComboZakresDodawanie = 4,
          .ComboZakresOdejmowanie = kNoEntry,
          .AdvComboBoxLiczbaZadan = 2},
         "[Form]\nCBMnozenie=1\nComboZakresDodawanie=4\nComboZakresOdejmowanie=-1\n"
         "AdvComboBoxLiczbaZadan=2\n"
         "CBDodawanie=1\nCBOdejmowanie=0\nCBDzielenie=0\nAdvOfficeCheckBoxTrzSkladniki=0\n"
         "AdvOfficeCheckBoxNawiasy=0\nAdvOfficeCheckBoxNiewiadoma=0\n"
         "AdvOfficeCheckBoxPominZeroIJeden=0\nAdvComboBoxLiczbaZestawow=1\n"
         "AdvComboBoxLiczbaNaStronie=1\n"},
        {"a position outside its list written as -1",
         "[Form]\nComboZakresDodawanie=0\nAdvComboBoxLiczbaNaStronie=1\n",
         {.ComboZakresDodawanie = 7, .AdvComboBoxLiczbaNaStronie = -5},
         "[Form]\nComboZakresDodawanie=-1\nAdvComboBoxLiczbaNaStronie=-1\n"
         "CBDodawanie=1\nCBOdejmowanie=0\nCBMnozenie=0\nCBDzielenie=0\n"
         "AdvOfficeCheckBoxTrzSkladniki=0\nAdvOfficeCheckBoxNawiasy=0\n"
         "AdvOfficeCheckBoxNiewiadoma=0\nAdvOfficeCheckBoxPominZeroIJeden=0\n"
         "ComboZakresOdejmowanie=0\nAdvComboBoxLiczbaZadan=1\nAdvComboBoxLiczbaZestawow=1\n"},
        {"other sections, keys, comments, blank lines and line ends survive",
         "\xEF\xBB\xBF; Dudedur\r\n[Okno]\r\nLeft = 120\r\n\r\n[form]\r\n"
         "  cbdodawanie = 1 \r\nWersja=2.0\r\n; koniec\r\n\r\n[Inne]\r\nCBDodawanie=7",
         {.CBDodawanie = false, .AdvComboBoxLiczbaZestawow = 6},
         "\xEF\xBB\xBF; Dudedur\r\n[Okno]\r\nLeft = 120\r\n\r\n[form]\r\n"
         "  cbdodawanie = 0 \r\nWersja=2.0\r\n"
         "CBOdejmowanie=0\r\nCBMnozenie=0\r\nCBDzielenie=0\r\nAdvOfficeCheckBoxTrzSkladniki=0\r\n"
         "AdvOfficeCheckBoxNawiasy=0\r\nAdvOfficeCheckBoxNiewiadoma=0\r\n"
         "AdvOfficeCheckBoxPominZeroIJeden=0\r\nComboZakresDodawanie=0\r\n"
         "ComboZakresOdejmowanie=0\r\nAdvComboBoxLiczbaZadan=1\r\nAdvComboBoxLiczbaZestawow=6\r\n"
         "AdvComboBoxLiczbaNaStronie=1\r\n"
         "; koniec\r\n\r\n[Inne]\r\nCBDodawanie=7"},
        {"a second save changes only values",
         kFirstSave,
         {.CBDzielenie = true, .AdvOfficeCheckBoxNiewiadoma = true, .AdvComboBoxLiczbaZadan = 0},
         "[Form]\nCBDodawanie=1\nCBOdejmowanie=0\nCBMnozenie=0\nCBDzielenie=1\n"
         "AdvOfficeCheckBoxTrzSkladniki=0\nAdvOfficeCheckBoxNawiasy=0\n"
         "AdvOfficeCheckBoxNiewiadoma=1\nAdvOfficeCheckBoxPominZeroIJeden=0\n"
         "ComboZakresDodawanie=0\nComboZakresOdejmowanie=0\nAdvComboBoxLiczbaZadan=0\n"
         "AdvComboBoxLiczbaZestawow=1\nAdvComboBoxLiczbaNaStronie=1\n"},
    };
    for (const Case& c : cases) {
        IniFile ini(c.before);
        WriteOptions(ini, c.options);
        EXPECT_EQ(ini.text(), c.after) << c.name;
    }
}

TEST(WriteOptions, EveryPositionRoundTrips) {
    for (const OptionKey& key : kOptionKeys) {
        if (key.position == nullptr) continue;
        for (int32_t position = -1; position <= static_cast<int32_t>(key.entries.size());
             ++position) {
            FormOptions options;
            options.*key.position = position;
            IniFile ini;
            WriteOptions(ini, options);
            FormOptions expected = options;
            if (position == static_cast<int32_t>(key.entries.size())) {
                expected.*key.position = kNoEntry;
            }
            EXPECT_EQ(ReadOptions(ini), expected) << key.name << " at " << position;
        }
    }
}

TEST(WriteOptions, EveryFlagRoundTrips) {
    for (const OptionKey& key : kOptionKeys) {
        if (key.flag == nullptr) continue;
        for (const bool ticked : {false, true}) {
            FormOptions options;
            options.*key.flag = ticked;
            IniFile ini("[Form]\nCBDodawanie=0\n");
            WriteOptions(ini, options);
            EXPECT_EQ(ReadOptions(ini), options) << key.name << " " << ticked;
        }
    }
}

// Binary bytes, a line of a megabyte, values that overflow 32 bits, a thousand sections on each
// side of the real one and no final line end: everything loads to the stored values or defaults.
TEST(ReadOptions, LargeHostileTextLoadsToTheRightValues) {
    std::string text;
    for (int byte = 0; byte < 256; ++byte) text += static_cast<char>(byte);
    text += "\n" + std::string(1 << 20, '[') + "\n";
    for (int i = 0; i < 1000; ++i) {
        text += "[Sekcja" + std::to_string(i) + "]\nCBMnozenie=1\nComboZakresDodawanie=3\n";
    }
    text += "[Form]\n";
    text += "CBDodawanie=" + std::string(1 << 20, '9') + "\n";             // overflow: default 1
    text += "CBOdejmowanie=" + std::string(1 << 20, ' ') + "1\n";          // a megabyte of blanks
    text += "ComboZakresDodawanie=0x" + std::string(1 << 20, 'f') + "\n";  // overflow: default 0
    text += "ComboZakresOdejmowanie=-3\n";                                 // no entry
    // Only the first 2047 characters are read: zeros, so position 0 rather than 2.
    text += "AdvComboBoxLiczbaZadan=" + std::string(1 << 20, '0') + "2\n";
    text += std::string(1 << 20, '\0') + "\n";
    text += "CBDzielenie=4294967297\n";  // overflow: default 0
    for (int i = 0; i < 1000; ++i) text += "[form]\nAdvComboBoxLiczbaZestawow=0\n";
    text += "[Form]\nAdvComboBoxLiczbaNaStronie=0";

    const FormOptions expected = {
        .CBOdejmowanie = true, .ComboZakresOdejmowanie = kNoEntry, .AdvComboBoxLiczbaZadan = 0};
    IniFile ini(text);
    EXPECT_EQ(ReadOptions(ini), expected);

    const FormOptions saved = {.CBMnozenie = true, .AdvComboBoxLiczbaZestawow = 6};
    WriteOptions(ini, saved);
    EXPECT_EQ(ReadOptions(ini), saved);
    EXPECT_TRUE(ini.text().ends_with("[Form]\nAdvComboBoxLiczbaNaStronie=0"));
}

}  // namespace
}  // namespace dudedur::settings
