#include "desk/trade/commands.h"

namespace plix {

void unloadall(Desk&) {
    // The secondary windows arrive with their own subsystems; the main window
    // is never unloaded here.
}

void clrena(Desk& d) {
    // Until the start-up sequence has tested the connection, only the menus
    // that need no server are usable.
    VeltoForm& f = d.velto;
    for (MenuItem* m : {&f.leverancier, &f.extra, &f.vragen, &f.filter, &f.splix, &f.offertes})
        m->Enabled = false;
}

}  // namespace plix

#include "desk/core/settings.h"
#include "desk/core/startup.h"

namespace plix {

void clrscr(Desk& d) {
    VeltoForm& f = d.velto;
    for (Control* c : {&f.frsystem, &f.frlogin, &f.frlan, &f.fr_url}) c->Visible = false;
}

void close_ze2002_Click(Desk& d) {
    clrscr(d);
    savedat(d);
    Mnexit_Click(d);
}

}  // namespace plix
