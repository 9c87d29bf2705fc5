#pragma once
// The shared libraries the program needs. The build lists them in the setup
// folder's plixdesk.libs, one "soname package" a line (the Debian package
// that brings each); the installer checks that the loader finds every one
// and names the packages to install for those it does not.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plix::inst {

struct NeededLibrary {
    std::string soname;
    std::string package;
};

// Lines "soname package"; blank lines and "#" remarks are skipped.
std::vector<NeededLibrary> readLibraryTable(std::string_view text);

// The packages of the libraries that are not present, each named once.
std::vector<std::string> missingPackages(const std::vector<NeededLibrary>& needed,
                                         const std::function<bool(const std::string&)>& present);

// Whether the dynamic loader finds and loads the library.
bool libraryLoadable(const std::string& soname);

}  // namespace plix::inst
