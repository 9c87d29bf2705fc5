#include "text/percent.h"

namespace plix {

namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string percentEncode(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (unsigned char c : value) {
        if (unreserved(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> percentDecode(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '%') {
            if (c == '\0') return std::nullopt;
            out += c;
            continue;
        }
        if (i + 2 >= raw.size()) return std::nullopt;
        const int hi = hexValue(raw[i + 1]);
        const int lo = hexValue(raw[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        const char b = static_cast<char>(hi * 16 + lo);
        if (b == '\0') return std::nullopt;
        out += b;
        i += 2;
    }
    return out;
}

}  // namespace plix
