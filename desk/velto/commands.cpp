#include "desk/velto/commands.h"

#include "desk/core/settings.h"
#include "desk/velto/startup.h"

namespace plix {

void unloadall(Desk& d) {
    SubWindows& w = d.windows;
    for (SubWindow* window : {&w.veltochatl, &w.veltohlp1, &w.veltoflt, &w.veltolev, &w.veltolog,
                              &w.veltooff, &w.veltorsp, &w.veltosrv})
        unloadWindow(d, *window);
    d.st.FilterArmed = 0;
}

void clrena(Desk& d) {
    VeltoForm& f = d.velto;
    for (MenuItem* m : {&f.splix, &f.offertes, &f.viewl, &f.setup, &f.helps, &f.extra, &f.vragen,
                        &f.leverancier, &f.filter})
        m->Enabled = false;
}

void clrscr(Desk& d) {
    d.velto.frsystem.Visible = false;
    d.velto.fr_vraag.Visible = false;
    unloadall(d);
}

void close_ze2002_Click(Desk& d) {
    d.st.IdleTicks = 0;
    clrscr(d);
    savedat(d);
    Mnexit_Click(d);
}

}  // namespace plix
