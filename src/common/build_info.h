// What the build says about the program: its version and the maker's web site.
#pragma once

#include <string>
#include <string_view>

#ifndef DUDEDUR_MAKER_URL
#define DUDEDUR_MAKER_URL "https://ruzerod.pl"
#endif
#ifndef DUDEDUR_PRODUCT_CODE
#define DUDEDUR_PRODUCT_CODE "DD"
#endif

namespace dudedur {

inline constexpr std::string_view kProgramVersion = "2.0.0.0";
// The address of the maker's web site, without a trailing slash.
inline constexpr std::string_view kMakerUrl = DUDEDUR_MAKER_URL;
// The program's product code on the maker's web site.
inline constexpr std::string_view kProductCode = DUDEDUR_PRODUCT_CODE;

// The program's page on the maker's web site.
inline std::string ProgramPageUrl() { return std::string(kMakerUrl) + "/dudedur.html"; }

// The page that tells whether a newer version is out.
inline std::string UpdatePageUrl() {
    return std::string(kMakerUrl) + "/update.php?id=" + std::string(kProductCode) +
           "&ver=" + std::string(kProgramVersion);
}

}  // namespace dudedur
