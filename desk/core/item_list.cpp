#include "desk/core/item_list.h"

#include <algorithm>

namespace plix {

std::size_t parseItemList(std::string_view text, std::span<std::string> items) {
    std::size_t filled = 0;
    for (auto& item : items) {
        const auto open = text.find('<');
        if (open == std::string_view::npos) break;
        const auto close = text.find('>', open + 1);
        if (close == std::string_view::npos) break;
        item.assign(text.substr(open + 1, close - open - 1));
        text.remove_prefix(close + 1);
        ++filled;
    }
    return filled;
}

std::string itemText(std::string_view typed) {
    std::string out;
    for (char c : typed)
        if (c != '>') out += c;
    return out;
}

std::string buildItemList(std::span<const std::string> items) {
    std::string out;
    for (const auto& item : items) {
        out += '<';
        out += item;
        out += '>';
    }
    return out;
}

std::size_t writeInto(std::string& record, std::size_t offset, std::size_t limit,
                      std::string_view text) {
    limit = std::min(limit, record.size());
    if (offset >= limit) return text.size();
    const std::size_t room = limit - offset;
    const std::size_t n = std::min(room, text.size());
    record.replace(offset, n, text.substr(0, n));
    return text.size() - n;
}

}  // namespace plix
