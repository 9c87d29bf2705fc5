#include "desk/net/disconnect.h"

namespace plix {

void disconnect(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.Disconnected = 1;
    f.discon.Checked = true;
    f.ltest.Caption = s.LanguageTable[115];
    f.fr_vraag.Caption = s.LanguageTable[117];
    if (s.ServerCommand == 2) f.fr_vraag.Visible = false;
}

}  // namespace plix
