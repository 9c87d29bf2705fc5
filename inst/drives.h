#pragma once
// The "drives" the installer offers: the home folder first, then the mount
// points of disks the user can write (a USB stick, a second disk).
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plix::inst {

// From the text of /proc/self/mounts: the mount points of real devices
// ("/dev/..."), outside the system's own folders, that writable() accepts.
std::vector<std::string> mountedDrives(std::string_view mountsText,
                                       const std::function<bool(const std::string&)>& writable);

// The home folder and the writable mount points of this system.
std::vector<std::string> systemDrives(const std::filesystem::path& home);

}  // namespace plix::inst
