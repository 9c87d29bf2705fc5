#include "inst/manifest.h"

#include <algorithm>

namespace plix::inst {

void Manifest::add(const char* kind, const std::filesystem::path& p) {
    std::string line = std::string(kind) + " " + p.string();
    if (std::find(lines_.begin(), lines_.end(), line) == lines_.end())
        lines_.push_back(std::move(line));
}

void Manifest::keepEarlier(std::string_view earlierText) {
    std::vector<std::string> earlier;
    while (!earlierText.empty()) {
        const auto end = earlierText.find('\n');
        std::string line(earlierText.substr(0, end));
        earlierText.remove_prefix(end == std::string_view::npos ? earlierText.size() : end + 1);
        const bool listed = std::find(lines_.begin(), lines_.end(), line) != lines_.end() ||
                            std::find(earlier.begin(), earlier.end(), line) != earlier.end();
        if (!line.empty() && line.front() != '#' && !listed) earlier.push_back(std::move(line));
    }
    lines_.insert(lines_.begin(), earlier.begin(), earlier.end());
}

std::string Manifest::text() const {
    std::string out = "# Made by plixinst; an uninstall removes these in reverse order.\n";
    for (const auto& line : lines_) out += line + "\n";
    return out;
}

}  // namespace plix::inst
