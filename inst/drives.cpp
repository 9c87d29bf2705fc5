#include "inst/drives.h"

#include <unistd.h>
#include <algorithm>

#include "desk/core/files.h"

namespace plix::inst {
namespace {

constexpr std::string_view kSystemFolders[] = {"/boot", "/proc", "/sys", "/dev", "/run",
                                               "/var",  "/usr",  "/etc", "/snap"};

// Mount points write blanks and a few other characters as octal escapes.
std::string unescapeOctal(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](std::size_t k) { return field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2) &&
            octal(i + 3)) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool systemFolder(std::string_view point) {
    if (point.starts_with("/run/media/")) return false;  // removable media under some desktops
    return std::any_of(
        std::begin(kSystemFolders), std::end(kSystemFolders), [&](std::string_view f) {
            return point == f ||
                   (point.starts_with(f) && point.size() > f.size() && point[f.size()] == '/');
        });
}

}  // namespace

std::vector<std::string> mountedDrives(std::string_view mountsText,
                                       const std::function<bool(const std::string&)>& writable) {
    std::vector<std::string> drives;
    while (!mountsText.empty()) {
        const auto end = mountsText.find('\n');
        const std::string_view line = mountsText.substr(0, end);
        mountsText.remove_prefix(end == std::string_view::npos ? mountsText.size() : end + 1);
        const auto gap = line.find(' ');
        if (gap == std::string_view::npos || !line.starts_with("/dev/")) continue;
        const std::string point =
            unescapeOctal(line.substr(gap + 1, line.find(' ', gap + 1) - gap - 1));
        if (point.empty() || systemFolder(point) || !writable(point)) continue;
        if (std::find(drives.begin(), drives.end(), point) == drives.end()) drives.push_back(point);
    }
    return drives;
}

std::vector<std::string> systemDrives(const std::filesystem::path& home) {
    std::vector<std::string> drives{home.string()};
    const auto mounts = readWholeFile("/proc/self/mounts");
    const auto writable = [](const std::string& p) {
        return ::access(p.c_str(), W_OK | X_OK) == 0;
    };
    for (auto& point : mountedDrives(mounts.value_or(""), writable))
        if (point != drives.front()) drives.push_back(std::move(point));
    return drives;
}

}  // namespace plix::inst
