#include "settings/ini_file.h"

#include <cstring>
#include <limits>
#include <utility>

namespace dudedur::settings {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// Narrows [begin, end) of `text` to its part without leading and trailing blanks.
void TrimBlanks(const std::string& text, std::size_t& begin, std::size_t& end) {
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        uint64_t value = 0;
        for (char c : text.substr(2)) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            value = value * 16 + static_cast<uint64_t>(digit);
            if (value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
        }
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Accumulated as a magnitude; the negative side reaches one further than the positive.
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    uint64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                    : static_cast<int32_t>(magnitude);
}

IniFile::IniFile(std::string text) : text_(std::move(text)) { Parse(); }

void IniFile::Parse() {
    lines_.clear();
    bool inSection = false;
    std::size_t begin = text_.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    while (begin < text_.size()) {
        Line line;
        line.begin = begin;
        const void* newline = std::memchr(text_.data() + begin, '\n', text_.size() - begin);
        if (newline != nullptr) {
            line.end =
                static_cast<std::size_t>(static_cast<const char*>(newline) - text_.data()) + 1;
            line.contentEnd = line.end - 1;
            if (line.contentEnd > begin && text_[line.contentEnd - 1] == '\r') --line.contentEnd;
        } else {
            line.end = line.contentEnd = text_.size();
        }

        std::size_t first = begin;
        while (first < line.contentEnd && IsBlank(text_[first])) ++first;
        const std::string_view content = Slice(first, line.contentEnd);
        if (!content.empty() && content.front() == '[') {
            const std::size_t close = content.find(']');
            if (close != std::string_view::npos) {
                line.kind = LineKind::kSection;
                line.nameBegin = first + 1;
                line.nameEnd = first + close;
                TrimBlanks(text_, line.nameBegin, line.nameEnd);
                inSection = true;
            }
        } else if (inSection && !content.empty() && content.front() != ';') {
            const std::size_t equals = content.find('=');
            if (equals != std::string_view::npos) {
                line.kind = LineKind::kKey;
                line.nameBegin = first;
                line.nameEnd = first + equals;
                TrimBlanks(text_, line.nameBegin, line.nameEnd);
                line.valueBegin = first + equals + 1;
                line.valueEnd = line.contentEnd;
                TrimBlanks(text_, line.valueBegin, line.valueEnd);
            }
        }
        lines_.push_back(line);
        begin = line.end;
    }
}

std::string_view IniFile::Slice(std::size_t begin, std::size_t end) const {
    return std::string_view(text_).substr(begin, end - begin);
}

std::string_view IniFile::LineEnd() const {
    for (const Line& line : lines_) {
        if (line.end != line.contentEnd) return Slice(line.contentEnd, line.end);
    }
    return "\n";
}

std::size_t IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::kSection &&
            EqualsIgnoringCase(Slice(line.nameBegin, line.nameEnd), section)) {
            return i;
        }
    }
    return lines_.size();
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::kSection) break;
        if (line.kind == LineKind::kKey &&
            EqualsIgnoringCase(Slice(line.nameBegin, line.nameEnd), key)) {
            return i;
        }
    }
    return lines_.size();
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) return std::nullopt;
    const std::size_t found = FindKey(header, key);
    if (found == lines_.size()) return std::nullopt;
    std::string_view value = Slice(lines_[found].valueBegin, lines_[found].valueEnd);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxValueLength));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    const std::optional<std::string> value = Read(section, key);
    if (!value) return fallback;
    return ParseInteger(*value).value_or(fallback);
}

void IniFile::InsertLine(std::size_t at, std::string_view line) {
    const std::string lineEnd(LineEnd());
    std::string inserted;
    const std::size_t start = text_.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    if (at > start && text_[at - 1] != '\n') inserted += lineEnd;
    inserted += line;
    inserted += lineEnd;
    text_.insert(at, inserted);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        std::string headerLine = "[";
        headerLine += section;
        headerLine += ']';
        InsertLine(text_.size(), headerLine);
        InsertLine(text_.size(), std::string(key) + "=" + std::string(value));
    } else if (const std::size_t found = FindKey(header, key); found != lines_.size()) {
        const Line& line = lines_[found];
        text_.replace(line.valueBegin, line.valueEnd - line.valueBegin, value);
    } else {
        std::size_t last = header;
        for (std::size_t i = header + 1; i < lines_.size(); ++i) {
            if (lines_[i].kind == LineKind::kSection) break;
            if (lines_[i].kind == LineKind::kKey) last = i;
        }
        InsertLine(lines_[last].end, std::string(key) + "=" + std::string(value));
    }
    Parse();
}

}  // namespace dudedur::settings
