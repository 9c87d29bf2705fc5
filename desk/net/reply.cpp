#include "desk/net/reply.h"

#include "desk/core/number.h"

namespace plix {

std::size_t markerPos(std::string_view text, std::string_view marker) {
    if (marker.empty()) return 0;
    const std::size_t p = text.find(marker);
    return p == std::string_view::npos ? 0 : p + 1;
}

std::string_view fromPosition(std::string_view text, std::size_t pos) {
    if (pos <= 1) return text;
    if (pos - 1 >= text.size()) return {};
    return text.substr(pos - 1);
}

std::optional<std::string_view> afterMarker(std::string_view text, std::string_view marker,
                                            std::size_t skip) {
    const std::size_t p = markerPos(text, marker);
    if (p == 0) return std::nullopt;
    std::string_view tail = text.substr(p - 1 + marker.size());
    tail.remove_prefix(skip < tail.size() ? skip : tail.size());
    return tail;
}

std::optional<std::string_view> valueToBracket(std::string_view text, std::string_view marker) {
    std::optional<std::string_view> tail = afterMarker(text, marker);
    if (!tail) return std::nullopt;
    const std::size_t close = tail->find(']');
    if (close == std::string_view::npos) return std::string_view{};
    return tail->substr(0, close);
}

double numberAfter(std::string_view text, std::string_view marker, std::size_t skip) {
    std::optional<std::string_view> tail = afterMarker(text, marker, skip);
    return tail ? val(*tail) : 0.0;
}

bool cutField(std::string_view& rest, std::string_view& field) {
    const std::size_t close = rest.find(']');   // 0-based: j - 1
    if (close == std::string_view::npos) return false;
    const std::size_t open = rest.find('[');
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t length = close == 0 ? 0 : close - 1;   // j - 2, never below 0
    field = start < rest.size() ? rest.substr(start, length) : std::string_view{};
    rest.remove_prefix(close + 1);
    return true;
}

bool cutEnclosed(std::string_view& rest, std::string_view& field) {
    const std::size_t open = rest.find('[');
    if (open == std::string_view::npos) return false;
    const std::size_t close = rest.find(']', open + 1);
    if (close == std::string_view::npos) return false;
    field = rest.substr(open + 1, close - open - 1);
    rest.remove_prefix(close + 1);
    return true;
}

std::string_view listStart(std::string_view reply, std::string_view startMarker, std::size_t gap) {
    return fromPosition(reply, markerPos(reply, startMarker) + startMarker.size() + gap);
}

}  // namespace plix
