#include <iconv.h>

#include <cerrno>
#include <string>

#include "Utils/AnsiCodePage.h"

namespace vrx {
namespace {

// iconv stands in for the system's conversion: what the code page cannot
// hold, or bytes that are no character in it, become '?' as on Windows.
class IconvCodePage final : public AnsiCodePage {
public:
    explicit IconvCodePage(std::string name) : name_(std::move(name)) {}

    bool available() const {
        iconv_t cd = iconv_open("UTF-8", name_.c_str());
        if (cd == reinterpret_cast<iconv_t>(-1)) return false;
        iconv_close(cd);
        return true;
    }

    std::string fromUtf8(std::string_view utf8) const override { return convert(utf8, name_.c_str(), "UTF-8"); }
    std::string toUtf8(std::string_view ansi) const override { return convert(ansi, "UTF-8", name_.c_str()); }

private:
    static std::string convert(std::string_view input, const char* to, const char* from) {
        std::string out;
        iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1)) return out;
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
            // An unconvertible or broken sequence: one '?' for it, then go on
            // at the next character (a whole UTF-8 sequence, or one byte).
            out.push_back('?');
            size_t skip = 1;
            if (std::string_view(from) == "UTF-8") {
                const auto lead = static_cast<unsigned char>(*in);
                skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
                if (skip > inLeft) skip = inLeft;
            }
            in += skip;
            inLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
        iconv_close(cd);
        return out;
    }

    std::string name_;
};

}  // namespace

const AnsiCodePage& systemAnsiCodePage() {
    static const IconvCodePage codePage("CP1252");
    return codePage;
}

std::unique_ptr<AnsiCodePage> makeAnsiCodePage(std::string_view name) {
    auto codePage = std::make_unique<IconvCodePage>(std::string(name));
    if (!codePage->available()) return nullptr;
    return codePage;
}

}  // namespace vrx
