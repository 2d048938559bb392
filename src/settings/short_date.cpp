#include "settings/short_date.h"

namespace dudedur::settings {
namespace {

// `value` in decimal, with leading zeros up to `width` digits.
std::string Padded(long value, std::size_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

}  // namespace

std::string ShortDate(const std::tm& date) {
    std::string text;
    std::string_view format = kShortDateFormat;
    while (!format.empty()) {
        if (format.starts_with("yyyy")) {
            text += Padded(static_cast<long>(date.tm_year) + 1900, 4);
            format.remove_prefix(4);
        } else if (format.starts_with("dd")) {
            text += Padded(date.tm_mday, 2);
            format.remove_prefix(2);
        } else if (format.starts_with("mm")) {
            text += Padded(static_cast<long>(date.tm_mon) + 1, 2);
            format.remove_prefix(2);
        } else {
            text += format.front() == '/' ? kDateSeparator : format.front();
            format.remove_prefix(1);
        }
    }
    return text;
}

}  // namespace dudedur::settings
