#pragma once
// The network frame frlan of the main window: a direct connection or one
// through a proxy, and the proxy's host.
#include "desk/core/desk.h"

namespace plix {

// Menu "LAN": shows the frame with the current choice and the proxy the
// desktop's settings name.
void lan_Click(Desk& d);
// optlan(0) direct, optlan(1) through the proxy: the proxy box then shows
// the desktop's proxy and the program counts as offline until it reconnects.
void optlan_Click(Desk& d, int index);
// A key in the proxy box: offline until the next reconnect.
void tprx_KeyDown(Desk& d);
// Stores the choice and the proxy host in pxini.dat, closes the frame and
// asks for a fresh inbox.
void closeprx_Click(Desk& d);

}  // namespace plix
