#include "desk/core/number.h"

#include <cmath>

namespace plix {

double val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    double value = 0, scale = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if (c == '.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

long long valInt(std::string_view text) {
    constexpr double kLimit = 1e15;
    const double v = std::trunc(val(text));
    if (v > kLimit) return static_cast<long long>(kLimit);
    if (v < -kLimit) return static_cast<long long>(-kLimit);
    return static_cast<long long>(v);
}

std::string numText(long long n) { return std::to_string(n); }

}  // namespace plix
