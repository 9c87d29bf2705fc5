#include "desk/core/timers.h"

namespace plix {

void wireTimers(Desk& d) {
    Scheduler& s = *d.os.scheduler;
    VeltoForm& f = d.velto;
    s.attach(f.Timer1, [&d] { Timer1_Timer(d); });
    s.attach(f.Timer2, [&d] { Timer2_Timer(d); });
    s.attach(f.Timer3, [&d] { Timer3_Timer(d); });
    s.attach(f.Timer4, [&d] { Timer4_Timer(d); });
    s.attach(f.Timer5, [&d] { Timer5_Timer(d); });
    s.attach(f.Timer6, [&d] { Timer6_Timer(d); });
}

// The panel watch, start-up sequence, reconnect and change poll come with the
// server link and the inbox.
void Timer1_Timer(Desk&) {}
void Timer2_Timer(Desk&) {}
void Timer3_Timer(Desk&) {}

void Timer4_Timer(Desk& d) {
    d.velto.Timer4.Enabled = false;
    d.velto.cupdate.Visible = false;
    d.st.SettingsDirty = 0;
}

void Timer5_Timer(Desk&) {}

void Timer6_Timer(Desk& d) {
    d.velto.Timer6.Enabled = false;
    d.st.StartDelayFlag = 1;
}

}  // namespace plix
