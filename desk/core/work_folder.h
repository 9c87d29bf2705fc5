#pragma once
// The folder the program keeps its files in (settings, filters, logs).
//
// - A copy installed by plixinst (its folder holds the language file and the
//   user can write there): the program's own folder, wherever it is started
//   from (menu, autostart, ~/.local/bin, a terminal).
// - The Debian package (the program's folder holds the language file but is
//   not the user's to write, or is marked as shared by plixdesk.shared):
//   the user's own ~/PLIX, made and seeded from the package's data files on
//   the first start. Nothing is ever written into the package's folder.
// - Anything else (a build tree): the current folder, as always.
#include <filesystem>

namespace plix {

std::filesystem::path chooseWorkFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& currentFolder,
                                       const std::filesystem::path& home);

}  // namespace plix
