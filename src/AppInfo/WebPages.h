#pragma once

#include <string>
#include <string_view>

namespace vrx {

// The product web site that the help menu, the greeting and the about box
// open; pages are given by their path ("/ja/faq").
inline constexpr std::string_view kWebSite = "https://vantorix.example";

std::string webPageAddress(std::string_view path);

}  // namespace vrx
