#include "desk/core/veltolog.h"

namespace plix {
namespace {

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

// The caption says so while plixlog.txt cannot be written.
void showLogState(Desk& d) {
    const std::string& note = d.st.LogWriteNote;
    d.veltolog.form.Caption = note.empty() ? "Log" : "Log  -  " + note;
}

}  // namespace

void veltolog_Load(Desk& d) {
    VeltologForm& w = d.veltolog;
    showLogState(d);
    w.form.Left = 50;
    w.form.Top = 100;
    w.form.Loaded = true;
    w.form.Visible = true;
    w.Timer1.Interval = 1000;
    w.Timer1.Enabled = true;
    syncTimers(d);
}

void veltolog_Timer1_Timer(Desk& d) {
    VeltologForm& w = d.veltolog;
    if (!w.form.Loaded) return;
    showLogState(d);
    if (d.st.LogEntryFlag == 1) {
        d.st.LogEntryFlag = 2;
        w.tlog.Text += d.st.LastLogEntry;
    }
}

void veltolog_cclr_Click(Desk& d) { d.veltolog.tlog.Text.clear(); }

void veltolog_cexit_Click(Desk& d) { veltolog_Unload(d); }

void veltolog_Unload(Desk& d) {
    VeltologForm& w = d.veltolog;
    if (!w.form.Loaded && !w.form.Visible) return;
    w.Timer1.Enabled = false;
    w.tlog.Text.clear();
    w.form.Visible = false;
    w.form.Loaded = false;
    syncTimers(d);
}

void veltolog_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltolog.Timer1, [&d] { veltolog_Timer1_Timer(d); });
}

}  // namespace plix
