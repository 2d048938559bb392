// The program's short date format: day, month and four-digit year separated by hyphens, as the
// page headers print the date of a worksheet.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace dudedur::settings {

// The pattern of the short date, in the notation "dd" day, "mm" month, "yyyy" year and "/" for
// the date separator, and the separator that stands for "/".
inline constexpr std::string_view kShortDateFormat = "dd/mm/yyyy";
inline constexpr char kDateSeparator = '-';

// `date` in the short date format, for example "09-12-2024" for 9 December 2024. Reads only
// tm_mday, tm_mon and tm_year.
std::string ShortDate(const std::tm& date);

}  // namespace dudedur::settings
