#pragma once
// Main-window commands shared by several subsystems.
#include "desk/core/desk.h"

namespace plix {

// Unloads every window but the main window.
void unloadall(Desk& d);
// Resets the enabled state of the main window's commands.
void clrena(Desk& d);

}  // namespace plix

namespace plix {

// Clears the main window's panels before the program closes.
void clrscr(Desk& d);
// The "Exit" menu: clear, save the settings, quit.
void close_ze2002_Click(Desk& d);

}  // namespace plix
