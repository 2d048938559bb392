#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace dudedur::settings {
namespace {

using namespace std::string_literals;

constexpr const char* kBom = "\xEF\xBB\xBF";

TEST(ParseInteger, ConvertsDecimalAndPrefixedHexadecimal) {
    struct Case {
        const char* text;
        std::optional<int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"1", 1},
        {"-1", -1},
        {"+7", 7},
        {"2", 2},
        {"000000000000000000000012", 12},
        {"2147483647", std::numeric_limits<int32_t>::max()},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"0x2", 2},
        {"0X1f", 31},
        {"0x7fffffff", std::numeric_limits<int32_t>::max()},
        {"0xFFFFFFFF", -1},
        {"0x80000000", std::numeric_limits<int32_t>::min()},
        {"0x00000000000000002", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseInteger, RejectsTextThatDoesNotConvert) {
    const char* const cases[] = {
        "",
        "-",
        "+",
        "0x",  // the prefix alone is two characters: read as decimal, which fails
        "0X",
        "0xg",
        "0x-1",
        "0x 1",
        "x2",
        "00x2",
        "-0x2",
        "1.5",
        "12a",
        "1e3",
        "abc",
        "2147483648",
        "-2147483649",
        "4294967296",
        "99999999999999999999999999",
        "0x100000000",
        "0xFFFFFFFFFFFFFFFFF",
        "\xd9\xa3",  // an Arabic-Indic digit three
    };
    for (const char* text : cases) {
        EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IniFileRead, FindsValuesAsTheProfileFunctionsDo) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> expected;  // of key "Key" in section "Form"
    };
    const Case cases[] = {
        {"plain", "[Form]\nKey=5\n", "5"},
        {"names in another letter case", "[fORM]\nkEY=5\n", "5"},
        {"blanks around names and value", "  [  Form  ]  \n \t Key \t=  5 \t \n", "5"},
        {"blanks inside the value kept", "[Form]\nKey= a  b \n", "a  b"},
        {"CRLF line ends", "[Form]\r\nKey=5\r\n", "5"},
        {"no final line end", "[Form]\nKey=5", "5"},
        {"UTF-8 byte-order mark", kBom + "[Form]\r\nKey=5\r\n"s, "5"},
        {"first key of two wins", "[Form]\nKey=1\nkey=2\n", "1"},
        {"first section of two wins", "[Form]\nKey=1\n[FORM]\nKey=2\n", "1"},
        {"key only in a later duplicate section", "[Form]\nA=1\n[Form]\nKey=2\n", std::nullopt},
        {"key of another section", "[Other]\nKey=1\n[Form]\nA=2\n", std::nullopt},
        {"key after the section ended", "[Form]\nA=1\n[Other]\nKey=2\n", std::nullopt},
        {"key before any section", "Key=1\n[Form]\n", std::nullopt},
        {"commented-out key", "[Form]\n;Key=1\n  ; Key=2\n", std::nullopt},
        {"comment before the key", "[Form]\n; Key=1\nKey=2\n", "2"},
        {"value holding '='", "[Form]\nKey=a=b\n", "a=b"},
        {"empty value", "[Form]\nKey=\n", ""},
        {"value in double quotes", "[Form]\nKey=\" 5 \"\n", " 5 "},
        {"value in single quotes", "[Form]\nKey='5'\n", "5"},
        {"unmatched quote kept", "[Form]\nKey=\"5\n", "\"5"},
        {"text after the header's bracket", "[Form] ; options\nKey=5\n", "5"},
        {"header without a closing bracket", "[Form]\nA=1\n[Other\nKey=2\n", "2"},
        {"section name with inner blank", "[Form x]\nKey=1\n[Form]\nKey=2\n", "2"},
        {"line without '='", "[Form]\nKey\nKey=3\n", "3"},
        {"NULs and binary bytes around", "[Form]\n\0\xff\x01=x\nKey=4\n\0"s, "4"},
        {"lone CR is no line end", "[Form]\rKey=1\n", std::nullopt},
        {"no section at all", "Key=1\n", std::nullopt},
        {"empty text", "", std::nullopt},
        {"byte-order mark alone", kBom, std::nullopt},
    };
    for (const Case& c : cases) {
        const IniFile ini(c.text);
        EXPECT_EQ(ini.Read("Form", "Key"), c.expected) << c.name;
    }
}

TEST(IniFileRead, CutsLongValuesTo2047Characters) {
    const std::string value = std::string(2047, 'a') + "bcd";
    const IniFile ini("[Form]\nKey=" + value + "\n");
    EXPECT_EQ(ini.Read("Form", "Key"), value.substr(0, 2047));
    EXPECT_EQ(IniFile::kMaxValueLength, 2047u);
}

TEST(IniFileRead, ReadIntegerFallsBackOnlyWhenTheValueDoesNotConvert) {
    const IniFile ini("[Form]\nHex=0x2\nText=abc\nEmpty=\nBig=2147483648\nQuoted=\"7\"\n");
    EXPECT_EQ(ini.ReadInteger("Form", "Hex", 9), 2);
    EXPECT_EQ(ini.ReadInteger("Form", "Quoted", 9), 7);
    EXPECT_EQ(ini.ReadInteger("Form", "Text", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Form", "Empty", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Form", "Big", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Form", "Missing", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Missing", "Hex", 9), 9);
}

TEST(IniFileWrite, ChangesOnlyWhatItMust) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;  // once "Key" of section "Form" is written as "1"
    };
    const Case cases[] = {
        {"value replaced on its line", "[Form]\nA=0\nKey=0\nB=0\n", "[Form]\nA=0\nKey=1\nB=0\n"},
        {"blanks around the value kept", "[Form]\n  Key =\t0  \n", "[Form]\n  Key =\t1  \n"},
        {"longer value replaced", "[Form]\nKey=12345\n", "[Form]\nKey=1\n"},
        {"empty value filled", "[Form]\nKey=\n", "[Form]\nKey=1\n"},
        {"blank value filled", "[Form]\nKey=   \n", "[Form]\nKey=   1\n"},
        {"quoted value replaced", "[Form]\nKey=\"0\"\n", "[Form]\nKey=1\n"},
        {"names in another letter case kept", "[FORM]\nKEY=0\n", "[FORM]\nKEY=1\n"},
        {"CRLF kept", "[Form]\r\nKey=0\r\nB=0\r\n", "[Form]\r\nKey=1\r\nB=0\r\n"},
        {"last line without line end", "[Form]\nKey=0", "[Form]\nKey=1"},
        {"first of two keys", "[Form]\nKey=0\nKey=5\n", "[Form]\nKey=1\nKey=5\n"},
        {"first of two sections", "[Form]\nKey=0\n[Form]\nKey=5\n",
         "[Form]\nKey=1\n[Form]\nKey=5\n"},
        {"commented-out key left alone", "[Form]\n;Key=0\nKey=0\n", "[Form]\n;Key=0\nKey=1\n"},
        {"missing key after the section's last key", "[Form]\nA=0\n\n; next\n[Other]\nB=0\n",
         "[Form]\nA=0\nKey=1\n\n; next\n[Other]\nB=0\n"},
        {"missing key in a section without keys", "[Form]\n; note\n\n[Other]\nB=0\n",
         "[Form]\nKey=1\n; note\n\n[Other]\nB=0\n"},
        {"missing key when the section ends the text without line end", "[Other]\nB=0\n[Form]",
         "[Other]\nB=0\n[Form]\nKey=1\n"},
        {"missing key with CRLF", "[Form]\r\nA=0\r\n[Other]\r\n",
         "[Form]\r\nA=0\r\nKey=1\r\n[Other]\r\n"},
        {"missing key after a last line without line end", "[Form]\r\nA=0",
         "[Form]\r\nA=0\r\nKey=1\r\n"},
        {"key of another section is not this key", "[Other]\nKey=0\n[Form]\nA=0\n",
         "[Other]\nKey=0\n[Form]\nA=0\nKey=1\n"},
        {"key before any section is not this key", "Key=0\n[Form]\n", "Key=0\n[Form]\nKey=1\n"},
        {"missing section at the end", "; top\n[Other]\nB=0\n\n",
         "; top\n[Other]\nB=0\n\n[Form]\nKey=1\n"},
        {"missing section after a last line without line end", "[Other]\nB=0",
         "[Other]\nB=0\n[Form]\nKey=1\n"},
        {"missing section with CRLF", "[Other]\r\nB=0\r\n",
         "[Other]\r\nB=0\r\n[Form]\r\nKey=1\r\n"},
        {"empty text", "", "[Form]\nKey=1\n"},
        {"byte-order mark alone", kBom, kBom + "[Form]\nKey=1\n"s},
        {"byte-order mark kept", kBom + "[Form]\r\nA=0\r\n"s, kBom + "[Form]\r\nA=0\r\nKey=1\r\n"s},
        {"binary bytes kept", "\0\xff\n[Form]\nKey=0\n\x80\x81"s,
         "\0\xff\n[Form]\nKey=1\n\x80\x81"s},
    };
    for (const Case& c : cases) {
        IniFile ini(c.before);
        ini.Write("Form", "Key", "1");
        EXPECT_EQ(ini.text(), c.after) << c.name;
        EXPECT_EQ(ini.Read("Form", "Key"), "1") << c.name;
    }
}

TEST(IniFileWrite, SeveralWritesBuildASectionInOrder) {
    IniFile ini("[Other]\r\nX=1\r\n");
    ini.Write("Form", "A", "1");
    ini.Write("Form", "B", "2");
    ini.Write("Other", "Y", "3");
    ini.Write("form", "a", "4");
    EXPECT_EQ(ini.text(), "[Other]\r\nX=1\r\nY=3\r\n[Form]\r\nA=4\r\nB=2\r\n");
}

}  // namespace
}  // namespace dudedur::settings
