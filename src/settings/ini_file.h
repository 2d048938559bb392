// An INI text held in memory that reads and writes like the Windows profile-file functions
// (GetPrivateProfileString / WritePrivateProfileString), while keeping every byte it does not have
// to change.
//
// The text is made of lines ending in LF or CRLF (the last one may have no line end). A UTF-8
// byte-order mark at the very start is skipped when reading and kept. A line whose first non-blank
// character is '[' and which holds a ']' is a section header; the section name is what stands
// between the '[' and the first ']', blanks trimmed. A line inside a section that holds '=' is a
// key line: the key is the text before the first '=', the value the text after it, both with
// blanks (space, tab, CR, VT, FF) trimmed. A value wrapped in a matching pair of single or double
// quotes is read without them. Lines whose first non-blank character is ';' are comments; other
// lines, and key lines before the first section header, are ignored. Section and key names match
// without regard to ASCII letter case, and the first matching section and the first matching key
// in it win. A value is read as at most kMaxValueLength bytes.
//
// Any byte sequence is accepted: parsing and every read or write take time linear in the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dudedur::settings {

// Reads a profile integer: a text of three or more characters starting with "0x" or "0X" is read
// as hexadecimal (up to 32 bits, taken as a signed 32-bit pattern, so "0xFFFFFFFF" is -1); any
// other text as a signed 32-bit decimal number with an optional sign. Returns nullopt for text
// that does not convert, the empty text and numbers out of range included.
std::optional<int32_t> ParseInteger(std::string_view text);

class IniFile {
  public:
    // The longest value that Read returns; longer values are cut to this many bytes.
    static constexpr std::size_t kMaxValueLength = 2047;

    IniFile() = default;
    // Takes any text, including an empty one, binary bytes and NULs.
    explicit IniFile(std::string text);

    // The whole text, as read plus the changes made by Write.
    const std::string& text() const { return text_; }

    // The value of `key` in `section`, or nullopt when the section or key is not there.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // The value read as ParseInteger does, or `fallback` when it is missing or does not convert.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;

    // Sets `key` in `section` to `value`. An existing key line keeps everything but its value,
    // which is replaced. A missing key gets a new line right after the last key line of its
    // section (after the header when the section has no keys), so comments and blank lines that
    // follow stay with what follows them. A missing section is added at the end of the text. New
    // lines use the line end of the text's first line (LF for a text without one); a last line
    // without a line end gets one before a line is added after it. Every other byte stays as it
    // was. Section, key and value must not hold line breaks, and the name of a new section must
    // not hold ']'; blanks around the value are lost when it is read back.
    void Write(std::string_view section, std::string_view key, std::string_view value);

  private:
    enum class LineKind : uint8_t { kOther, kSection, kKey };

    // One line, as offsets into text_. For a section header, name is the section name; for a key
    // line, name is the key and value the value as it stands (quotes included).
    struct Line {
        std::size_t begin = 0;
        std::size_t contentEnd = 0;  // before the line end
        std::size_t end = 0;         // after the line end
        LineKind kind = LineKind::kOther;
        std::size_t nameBegin = 0, nameEnd = 0;
        std::size_t valueBegin = 0, valueEnd = 0;
    };

    void Parse();
    std::string_view Slice(std::size_t begin, std::size_t end) const;
    std::string_view LineEnd() const;
    // The index of the first header line of `section`, or lines_.size().
    std::size_t FindSection(std::string_view section) const;
    // The index of the first key line of `key` in the section whose header is lines_[header], or
    // lines_.size().
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    // Inserts `line` plus a line end at offset `at`, the end of a line; a line end goes first when
    // the line before `at` has none.
    void InsertLine(std::size_t at, std::string_view line);

    std::string text_;
    std::vector<Line> lines_;
};

}  // namespace dudedur::settings
