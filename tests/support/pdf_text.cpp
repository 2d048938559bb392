#include "pdf_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "run_program.h"

namespace dudedur::testing {
namespace {

// Canvas units are 96 to the inch, PDF points 72.
constexpr double kUnitsPerPoint = 96.0 / 72.0;
// Characters whose baselines differ by less than this share a line.
constexpr double kBaselineTolerance = 1.0;
// A gap between two characters wider than this stands for a space.
constexpr double kWordGap = 2.0;

std::string Attribute(std::string_view element, std::string_view name) {
    const std::string key = " " + std::string(name) + "=\"";
    const size_t start = element.find(key);
    if (start == std::string_view::npos) return {};
    const size_t valueStart = start + key.size();
    const size_t end = element.find('"', valueStart);
    return std::string(element.substr(valueStart, end - valueStart));
}

// The UTF-8 text of one character as mutool writes it: itself, a named entity or "&#xHEX;".
std::string UnescapeXml(const std::string& text) {
    static const std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities) {
        if (text == entity) return std::string(character);
    }
    if (!text.starts_with("&#")) return text;
    const bool hex = text.size() > 2 && text[2] == 'x';
    const auto code = static_cast<uint32_t>(std::stoul(text.substr(hex ? 3 : 2), nullptr, hex ? 16 : 10));
    std::string utf8;
    if (code < 0x80) {
        utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
        utf8 += static_cast<char>(0xC0 | (code >> 6));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (code >> 12));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (code >> 18));
        utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
    return utf8;
}

// The n-th number of a list such as a quad's "x0 y0 x1 y1 …".
double NumberAt(const std::string& list, int n) {
    size_t position = 0;
    for (int i = 0; i < n; ++i) position = list.find(' ', position) + 1;
    return std::stod(list.substr(position));
}

bool IsBlank(const PdfCharacter& character) {
    return character.text == " " || character.text == "\t" || character.text.empty();
}

}  // namespace

std::string PdfLine::Text() const {
    std::string text;
    bool pendingSpace = false;
    double lastRight = 0;
    for (const PdfCharacter& character : characters) {
        if (IsBlank(character)) {
            pendingSpace = !text.empty();
            continue;
        }
        if (pendingSpace || (!text.empty() && character.x - lastRight > kWordGap)) text += ' ';
        pendingSpace = false;
        text += character.text;
        lastRight = character.right;
    }
    return text;
}

std::string PdfLine::Compact() const {
    std::string text;
    for (const PdfCharacter& character : characters) {
        if (!IsBlank(character)) text += character.text;
    }
    return text;
}

std::string PdfLine::CompactMarked() const {
    std::string text;
    bool inRed = false;
    for (const PdfCharacter& character : characters) {
        if (IsBlank(character)) continue;
        if (character.red != inRed) text += character.red ? '[' : ']';
        inRed = character.red;
        text += character.text;
    }
    if (inRed) text += ']';
    return text;
}

std::vector<PdfLine> PdfPage::Lines(double left, double right) const {
    std::vector<PdfCharacter> chosen;
    for (const PdfCharacter& character : characters) {
        if (character.x >= left && character.x < right) chosen.push_back(character);
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto& a, const auto& b) {
        return a.baseline < b.baseline;
    });
    std::vector<PdfLine> lines;
    for (const PdfCharacter& character : chosen) {
        if (lines.empty() ||
            std::abs(character.baseline - lines.back().baseline) >= kBaselineTolerance) {
            lines.push_back({character.baseline, {}});
        }
        lines.back().characters.push_back(character);
    }
    for (PdfLine& line : lines) {
        std::stable_sort(line.characters.begin(), line.characters.end(),
                         [](const auto& a, const auto& b) { return a.x < b.x; });
    }
    return lines;
}

std::vector<PdfPage> ReadPdfPages(const std::string& path) {
    const ProgramRun run = RunProgram({"mutool", "draw", "-q", "-F", "stext", "-o", "-", path});
    std::vector<PdfPage> pages;
    if (run.exitStatus != 0) return pages;
    std::string_view rest = run.out;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (line.starts_with("<page ")) {
            PdfPage page;
            page.width = std::stod(Attribute(line, "width")) * kUnitsPerPoint;
            page.height = std::stod(Attribute(line, "height")) * kUnitsPerPoint;
            pages.push_back(page);
        } else if (line.starts_with("<char ") && !pages.empty()) {
            PdfCharacter character;
            character.x = std::stod(Attribute(line, "x")) * kUnitsPerPoint;
            character.right = NumberAt(Attribute(line, "quad"), 2) * kUnitsPerPoint;
            character.baseline = std::stod(Attribute(line, "y")) * kUnitsPerPoint;
            character.red = Attribute(line, "color") == "#ff0000";
            character.text = UnescapeXml(Attribute(line, "c"));
            std::vector<PdfCharacter>& characters = pages.back().characters;
            const bool drawnAgain =
                std::any_of(characters.begin(), characters.end(), [&](const auto& earlier) {
                    return earlier.text == character.text &&
                           std::abs(earlier.x - character.x) < 0.01 &&
                           std::abs(earlier.baseline - character.baseline) < 0.01;
                });
            if (!drawnAgain) characters.push_back(character);
        }
    }
    return pages;
}

}  // namespace dudedur::testing
