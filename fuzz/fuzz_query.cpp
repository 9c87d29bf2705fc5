// Arbitrary typed text as a query value: the encoded query must carry it
// whole (it decodes back byte for byte) and never add a separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "desk/net/protocol.h"

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plix;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string encoded = percentEncode(text);

    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '&' || c == '=' || c == '#' || c == '+' || c == '?' || c == ' ' ||
            static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x7E)
            std::abort();
        if (c != '%') {
            decoded += c;
            continue;
        }
        if (i + 2 >= encoded.size()) std::abort();
        const int hi = hexValue(encoded[i + 1]), lo = hexValue(encoded[i + 2]);
        if (hi < 0 || lo < 0) std::abort();
        decoded += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    if (decoded != text) std::abort();

    const std::string query = buildQuery(5, {{"ID_LV", "7"}, {"TXT", text}});
    if (query != "?CD=05&ID_LV=7&TXT=" + encoded) std::abort();
    return 0;
}
