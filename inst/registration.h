#pragma once
// Makes the installed program reachable, the freedesktop way, with files the
// installer writes itself:
// - the program group: the menu "PLIX" (a .directory file and a menu file
//   in applications-merged, which KDE, Xfce, MATE and LXQt read; GNOME lists
//   the entry without groups), holding
// - the group's item: the menu entry plixdesk.desktop, "PLIX " + the item
//   title, starting the program in its folder;
// - the start-up shortcut: the autostart entry, when chkst is ticked;
// - the application path: the link ~/.local/bin/plixdesk to the program.
// Every file made goes into the manifest; what fails goes into Failed.
#include "desk/core/desktop_entry.h"
#include "inst/inst.h"

namespace plix::inst {

// The launcher of the program installed in TargetFolder.
Launcher installedLauncher(const Inst& in);

std::filesystem::path menuEntryPath(const XdgDirs& dirs);
std::filesystem::path groupDirectoryPath(const XdgDirs& dirs);
std::filesystem::path groupMenuPath(const XdgDirs& dirs);
std::filesystem::path applicationLinkPath(const XdgDirs& dirs);

void groupcreate(Inst& in);     // the group's .directory and menu files
void groupadditem(Inst& in);    // the menu entry
void cmdRegMachine(Inst& in);   // the autostart entry
void makeapppathkey(Inst& in);  // the folder of the link
// The link, then the manifest into the target folder; Label1 shows "Ok"
// when every file of the installation was made, else "Fout".
void regapppath(Inst& in);

}  // namespace plix::inst
