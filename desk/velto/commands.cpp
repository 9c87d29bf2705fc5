#include "desk/velto/commands.h"

#include "desk/core/veltolog.h"
#include "desk/profile/veltoflt.h"
#include "desk/profile/veltolev.h"
#include "desk/trade/veltooff.h"
#include "desk/trade/veltorsp.h"
#include "desk/velto/startup.h"

namespace plix {
namespace {

// What the main window does with every other window: one line per window.
struct OtherWindow {
    void (*unload)(Desk&);
    void (*attachTimers)(Desk&, Scheduler&);  // null for a window without timers
};

// In the order unloadall unloads them: chat, help, filter, supplier, log,
// offer, reactions, server. The print and autostart windows are not among them.
constexpr OtherWindow kOtherWindows[] = {
    {veltoflt_Unload, veltoflt_Timers},
    {veltolev_Unload, veltolev_Timers},
    {veltolog_Unload, veltolog_Timers},
    {veltooff_Unload, veltooff_Timers},
    {veltorsp_Unload, veltorsp_Timers},
};

}  // namespace

void unloadall(Desk& d) {
    for (const OtherWindow& w : kOtherWindows) w.unload(d);
    d.st.FilterArmed = 0;
}

void attachWindowTimers(Desk& d, Scheduler& s) {
    for (const OtherWindow& w : kOtherWindows)
        if (w.attachTimers) w.attachTimers(d, s);
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
    Mnexit_Click(d);  // saves what is unsaved, then quits
}

}  // namespace plix
