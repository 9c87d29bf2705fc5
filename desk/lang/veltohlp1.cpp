#include "desk/lang/veltohlp1.h"

#include "desk/lang/help.h"

namespace plix {
namespace {

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

}  // namespace

void veltohlp1_Load(Desk& d) {
    Veltohlp1Form& w = d.veltohlp1;
    w.form.Loaded = true;
    w.form.Visible = true;
    w.form.State = WindowState::Normal;
    w.Timer1.Enabled = true;
    syncTimers(d);
}

void veltohlp1_Timer1_Timer(Desk& d) {
    Veltohlp1Form& w = d.veltohlp1;
    w.Timer1.Enabled = false;
    syncTimers(d);
    if (!w.form.Loaded) return;
    w.form.Width = w.frhlp.Width + 100;
    w.form.Height = w.frhlp.Height + 500;
    if (d.st.LanguageTable[108] == "OK") w.cexit.Caption = d.st.LanguageTable[12];
    if (auto text = gethlp(d, d.st.HelpTopic)) w.lhlp.Caption = *text;
}

void veltohlp1_cexit_Click(Desk& d) { veltohlp1_Unload(d); }

void veltohlp1_Unload(Desk& d) {
    Veltohlp1Form& w = d.veltohlp1;
    if (!w.form.Loaded && !w.form.Visible) return;
    w.Timer1.Enabled = false;
    w.lhlp.Caption = Veltohlp1Form().lhlp.Caption;
    w.form.Visible = false;
    w.form.Loaded = false;
    syncTimers(d);
}

void veltohlp1_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltohlp1.Timer1, [&d] { veltohlp1_Timer1_Timer(d); });
}

}  // namespace plix
