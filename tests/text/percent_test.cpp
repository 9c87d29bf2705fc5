// Percent-encoding of query values.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/percent.h"

namespace plix {
namespace {

// The server's side of the encoding, to prove round trips byte for byte.
std::string percentDecode(std::string_view s) {
    auto hex = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out += static_cast<char>(hex(s[i + 1]) * 16 + hex(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

TEST(PercentEncoding, UnreservedStayOthersBecomeHex) {
    EXPECT_EQ(percentEncode("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(percentEncode("Price 5 & 6+7 = 100% #1"),
              "Price%205%20%26%206%2B7%20%3D%20100%25%20%231");
    EXPECT_EQ(percentEncode("a\r\nb"), "a%0D%0Ab");
    EXPECT_EQ(percentEncode("<x>"), "%3Cx%3E");
    EXPECT_EQ(percentEncode(std::string("\0\xFF\xE9", 3)),
              "%00%FF%E9");  // Windows-1252 bytes as they are
    EXPECT_EQ(percentEncode(""), "");
}

TEST(PercentEncoding, EveryByteRoundTrips) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string encoded = percentEncode(all);
    for (char c : encoded)
        EXPECT_TRUE(c > 32 && c < 127 && c != '&' && c != '#' && c != '+') << int(c);
    EXPECT_EQ(percentDecode(encoded), all);
}

}  // namespace
}  // namespace plix
