#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vrx {

// The numbers of a slot's line as printf writes them with "%4d", "%02X" and
// "%.3f", without reading a format string for each: a profile of 50
// joysticks is over nine thousand lines, and printf's format parsing was
// most of the time it took to save one. Unlike printf the text never
// depends on the C library or the locale, so every build writes the same.
struct Decimal {  // "%<width>d"
    int value;
    int width = 0;
};
struct Hex {  // "%0<digits>X"
    uint32_t value;
    int digits = 1;
};
struct Fixed {  // "%<width>.<precision>f" of a float
    float value;
    int precision = 6;
    int width = 0;
};

// Collects the pieces of a line on the stack and hands them to the string
// in one append: appended one by one, the separators and numbers of a
// line, a few characters each, cost more than making them.
class LineWriter {
public:
    explicit LineWriter(std::string& out) : out_(out) {}
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void put(std::string_view text) {
        if (text.size() > kSize - used_) return putLong(text);
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }
    // A separator's length is known where it is written, so copying it
    // takes a move or two rather than a call.
    template <size_t N>
    void put(const char (&text)[N]) {
        constexpr size_t size = N - 1;
        if (size > kSize - used_) return putLong(std::string_view(text, size));
        std::memcpy(buffer_ + used_, text, size);
        used_ += size;
    }
    void put(Decimal number);
    void put(Hex number);
    void put(Fixed number);
    template <class... Pieces>
    void putEach(const Pieces&... pieces) {
        (put(pieces), ...);
    }
    // Not left to a destructor: appending may throw.
    void flush();

private:
    static constexpr size_t kSize = 256;  // above the longest number, 47 characters

    void putLong(std::string_view text);
    void putPadded(std::string_view digits, int width, char fill);
    // The same for the first length characters of digits.
    void putShortNumber(const char (&digits)[16], size_t length, int width, char fill);

    std::string& out_;
    size_t used_ = 0;
    char buffer_[kSize];
};

template <class... Pieces>
void appendPieces(std::string& out, const Pieces&... pieces) {
    LineWriter writer(out);
    writer.putEach(pieces...);
    writer.flush();
}

}  // namespace vrx
