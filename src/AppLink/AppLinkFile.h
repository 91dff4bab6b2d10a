#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AppLink/AppLinkData.h"

namespace vrx {

class AnsiCodePage;

// The text of AppLink.dat's bytes in whatever encoding its byte-order mark
// announces, else in the ANSI code page; always valid UTF-8.
std::string decodeAppLinkText(std::string_view bytes, const AnsiCodePage& ansi);

// The lines of a text ended by CR LF, LF or CR; a line break at the very end
// starts no further line.
std::vector<std::string_view> textLines(std::string_view text);

// Reads the lines into data, which should start empty. Returns the reason
// the file is not one when it is not ("Invalid Data", or the line that is
// no number); data then keeps what was read before.
std::optional<std::string> parseAppLink(const std::vector<std::string_view>& lines, AppLinkData& data);

// The file as it is written: UTF-16 little endian with a byte-order mark,
// lines ended by CR LF.
std::string appLinkFileBytes(const AppLinkData& data);

}  // namespace vrx
