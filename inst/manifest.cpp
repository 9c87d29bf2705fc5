#include "inst/manifest.h"

#include <algorithm>

namespace plix::inst {

void Manifest::add(const char* kind, const std::filesystem::path& p) {
    std::string line = std::string(kind) + " " + p.string();
    if (std::find(lines_.begin(), lines_.end(), line) == lines_.end()) lines_.push_back(std::move(line));
}

std::string Manifest::text() const {
    std::string out = "# Made by plixinst; an uninstall removes these in reverse order.\n";
    for (const auto& line : lines_) out += line + "\n";
    return out;
}

}  // namespace plix::inst
