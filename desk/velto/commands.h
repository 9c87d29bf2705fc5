#pragma once
// Main-window commands shared by several subsystems.
#include "desk/core/desk.h"

namespace plix {

// Unloads the other windows (chat, help, filter, supplier, log, offer,
// reactions, server, in this order) and disarms the filter window.
void unloadall(Desk& d);
// Hands every other window's timers to the scheduler; once, at start.
void attachWindowTimers(Desk& d, Scheduler& s);
// Disables the menu items that need a completed login; the start-up sequence
// enables them again.
void clrena(Desk& d);
// Hides the settings frame and the request list, then unloads the other windows.
void clrscr(Desk& d);
// The "Exit" menu: clear, save the settings, quit.
void close_ze2002_Click(Desk& d);

}  // namespace plix
