#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DeviceConfig/DeviceTemplate.h"

namespace vrx {

class AnsiCodePage;
class Logger;

using TemplateList = std::vector<std::unique_ptr<TDeviceTemplate>>;

// The templates of templates.json, read from the file's bytes in the
// encoding its byte-order mark names (the ANSI code page without one).
// Everyone may edit the file, so nothing in it is trusted: a file that is no
// JSON, or has no "templates" list, gives no templates; an element without
// a text "id" and "name" and a "buttons" list is left out. Each is logged.
TemplateList decodeTemplatesFile(std::string_view bytes, const AnsiCodePage& ansi, Logger& log);

// The file's bytes: UTF-8 with a byte-order mark, indented by two blanks,
// the keys of each template in the order "id", "name", "buttons".
std::string encodeTemplatesFile(const TemplateList& templates);

}  // namespace vrx
