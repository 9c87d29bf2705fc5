#pragma once
// The installation's manifest: every folder, file and link it made, one a
// line, so that an uninstall removes exactly that and nothing of the user's.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plix::inst {

inline constexpr const char* kManifestFile = "install-manifest.txt";

class Manifest {
public:
    void folder(const std::filesystem::path& p) { add("folder", p); }
    void file(const std::filesystem::path& p) { add("file", p); }
    void link(const std::filesystem::path& p) { add("link", p); }
    const std::vector<std::string>& lines() const { return lines_; }
    // An earlier installation into the same folder: what it made comes
    // first, so that an uninstall also removes that (folders last).
    void keepEarlier(std::string_view earlierText);

    // The manifest's text: a remark, then "kind path" lines in the order the
    // things were made (an uninstall takes them in reverse).
    std::string text() const;

private:
    void add(const char* kind, const std::filesystem::path& p);
    std::vector<std::string> lines_;
};

}  // namespace plix::inst
