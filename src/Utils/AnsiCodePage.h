#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vrx {

// The system's legacy 8-bit (or double-byte) code page, which old profile
// files were written in. Text inside the program is UTF-8; characters the
// code page has no equivalent for become '?', as in the system's own
// conversion (which also maps some letters to a near equivalent, é to e).
class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    virtual std::string fromUtf8(std::string_view utf8) const = 0;
    virtual std::string toUtf8(std::string_view ansi) const = 0;
};

// The code page of the running system (on Windows the ANSI code page; in the
// portable build Windows-1252 unless a test names another).
const AnsiCodePage& systemAnsiCodePage();

// A named code page such as "CP932" or "CP1252"; null when it is not known.
std::unique_ptr<AnsiCodePage> makeAnsiCodePage(std::string_view name);

}  // namespace vrx
