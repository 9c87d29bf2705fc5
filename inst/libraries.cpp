#include "inst/libraries.h"

#include <dlfcn.h>
#include <algorithm>

namespace plix::inst {
namespace {

std::string_view nextWord(std::string_view& line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    const auto end = line.find_first_of(" \t\r");
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    return word;
}

}  // namespace

std::vector<NeededLibrary> readLibraryTable(std::string_view text) {
    std::vector<NeededLibrary> table;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string_view soname = nextWord(line);
        const std::string_view package = nextWord(line);
        if (soname.empty() || soname.front() == '#' || package.empty()) continue;
        table.push_back({std::string(soname), std::string(package)});
    }
    return table;
}

std::vector<std::string> missingPackages(const std::vector<NeededLibrary>& needed,
                                         const std::function<bool(const std::string&)>& present) {
    std::vector<std::string> packages;
    for (const NeededLibrary& lib : needed)
        if (!present(lib.soname) &&
            std::find(packages.begin(), packages.end(), lib.package) == packages.end())
            packages.push_back(lib.package);
    return packages;
}

bool libraryLoadable(const std::string& soname) {
    void* handle = ::dlopen(soname.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) return false;
    ::dlclose(handle);
    return true;
}

}  // namespace plix::inst
