#pragma once
// The main window's menu items that open the other windows and the web site
// (the supplier and filter windows: desk/velto/profile_menu.h).
#include "desk/core/desk.h"

namespace plix {

// Pop-up item "Server": the server settings window.
void serverinfo_Click(Desk& d);
// Pop-up item "Automatic startup": the autostart window.
void aut_Click(Desk& d);
// Menu "Direct chat": the chat window, 5500 twips high.
void directchat_Click(Desk& d);
// Help item index: the help window on that topic, 3000 twips right of the
// main window, captioned with the help menu's word and the item's.
void hlp_Click(Desk& d, int index);
// The web-site item: the marketplace's site (the server host) in the browser.
void plixnet_Click(Desk& d);
// The web-site item's caption: the server host.
void showWebSite(Desk& d);

}  // namespace plix
