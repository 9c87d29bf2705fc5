#include "desk/core/veltolog_form.h"

namespace plix {

static void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

void veltolog_Load(Desk& d, VeltologForm& w) {
    if (!w.timerAttached && d.os.scheduler) {
        d.os.scheduler->attach(w.Timer1, [&d, &w] { veltolog_Timer1_Timer(d, w); });
        w.timerAttached = true;
    }
    w.form.Left = 50;
    w.form.Top = 100;
    w.form.Width = 5200;
    w.form.Height = 10000;
    w.form.Loaded = true;
    w.form.Visible = true;
    w.Timer1.Interval = 1000;
    w.Timer1.Enabled = true;
    syncTimers(d);
}

void veltolog_Timer1_Timer(Desk& d, VeltologForm& w) {
    if (!w.form.Loaded) return;
    if (d.st.LogEntryFlag == 1) {
        d.st.LogEntryFlag = 2;
        w.tlog.Text += d.st.LastLogEntry;
    }
}

void veltolog_cclr_Click(Desk&, VeltologForm& w) { w.tlog.Text.clear(); }

void veltolog_Unload(Desk& d, VeltologForm& w) {
    w.form.Visible = false;
    w.form.Loaded = false;
    w.tlog.Text.clear();
    w.Timer1.Enabled = false;
    syncTimers(d);
}

void veltolog_cexit_Click(Desk& d, VeltologForm& w) { veltolog_Unload(d, w); }

}  // namespace plix
