#include "desk/core/veltolog.h"

namespace plix {

static void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

void veltolog_Load(Desk& d, VeltologForm& w) {
    if (!w.timerAttached && d.os.scheduler) {
        d.os.scheduler->attach(w.Timer1, [&d, &w] { veltolog_Timer1_Timer(d, w); });
        w.timerAttached = true;
    }
    SubWindow& window = d.windows.veltolog;
    window.form.Caption = "Log";
    window.form.Left = 50;
    window.form.Top = 100;
    window.form.Width = 5200;
    window.form.Height = 10000;
    window.onUnload = [&w](Desk& desk) {
        w.Timer1.Enabled = false;
        w.tlog.Text.clear();
        syncTimers(desk);
    };
    showWindow(window);
    w.Timer1.Interval = 1000;
    w.Timer1.Enabled = true;
    syncTimers(d);
}

void veltolog_Timer1_Timer(Desk& d, VeltologForm& w) {
    if (!d.windows.veltolog.form.Loaded) return;
    if (d.st.LogEntryFlag == 1) {
        d.st.LogEntryFlag = 2;
        w.tlog.Text += d.st.LastLogEntry;
    }
}

void veltolog_cclr_Click(Desk&, VeltologForm& w) { w.tlog.Text.clear(); }

void veltolog_cexit_Click(Desk& d, VeltologForm&) { unloadWindow(d, d.windows.veltolog); }

}  // namespace plix
