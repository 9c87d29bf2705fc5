#include "desk/velto/timers.h"

#include <algorithm>
#include <limits>

#include "desk/core/alerts.h"
#include "desk/core/number.h"
#include "desk/inbox/change_poll.h"
#include "desk/inbox/inbox.h"
#include "desk/inbox/offers_marks.h"
#include "desk/inbox/server_message.h"
#include "desk/lang/language_table.h"
#include "desk/profile/veltolev.h"
#include "desk/velto/commands.h"
#include "desk/velto/connection.h"
#include "desk/velto/contest.h"
#include "desk/velto/language_menu.h"
#include "desk/velto/tray.h"

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
    // While the program waits, these ticks only count or change nothing:
    // the program is not woken for them.
    s.setQuiet(f.Timer1, [&d] { return Timer1_Quiet(d); });
    s.setQuiet(f.Timer2, [&d] { return Timer2_Quiet(d); });
    s.setQuiet(f.Timer3, [&d] { return Timer3_Quiet(d); });
    s.setQuiet(f.Timer5, [&d] { return Timer5_Quiet(d); });
    attachWindowTimers(d, s);
}

namespace {

// What Timer1 keeps up to date: the panel in front, the picture box (shown
// only while no frame is in front) and the update button.
struct FrontView {
    int panel = 0;
    bool picture = true;
    bool update = false;
    bool operator==(const FrontView&) const = default;
};

FrontView frontView(const Desk& d) {
    const DeskState& s = d.st;
    const VeltoForm& f = d.velto;
    FrontView v;
    v.update = s.ConnectState == 2 && s.SettingsDirty == 1;
    if (f.fr_vraag.Visible) {
        v.panel = 1;
        if (s.InboxLoaded != 0) v.picture = false;
    }
    if (f.frsystem.Visible) {
        v.picture = false;
        v.panel = 2;
    }
    if (f.fr_url.Visible) {
        v.picture = false;
        v.panel = 3;
    }
    if (d.veltorsp.form.Visible) v.panel = 4;
    if (d.veltooff.form.Visible) v.panel = 5;
    if (d.veltosrv.form.Visible) v.panel = 6;
    if (d.veltolev.form.Visible) v.panel = 7;
    if (d.veltoflt.form.Visible) v.panel = 8;
    return v;
}

// The settings and URL panels hid the request list when they opened; a fetch
// meanwhile (a poll that found a change) must not put it back over what the
// user is editing.
bool listOverPanel(const VeltoForm& f) {
    return (f.frsystem.Visible || f.fr_url.Visible) && f.fr_vraag.Visible;
}

// While the server window is open the help menu is disabled; it comes back
// when that window closes.
bool helpMenuToFollow(const Desk& d) {
    return d.veltosrv.form.Visible ? d.velto.helps.Enabled : d.st.HelpMenuHeld == 1;
}

}  // namespace

// Which panel or window is in front, and the update button.
void Timer1_Timer(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.Timer1FirstTick = 0;
    if (listOverPanel(f)) f.fr_vraag.Visible = false;
    if (d.veltosrv.form.Visible) {
        if (f.helps.Enabled) s.HelpMenuHeld = 1;
        f.helps.Enabled = false;
    } else if (s.HelpMenuHeld == 1) {
        s.HelpMenuHeld = 0;
        f.helps.Enabled = true;
    }
    const FrontView v = frontView(d);
    d.velto.cupdate.Visible = v.update;
    d.st.FrontPanel = v.panel;
    d.velto.Picture1.Visible = v.picture;
}

long long Timer1_Quiet(const Desk& d) {
    const FrontView shown{d.st.FrontPanel, d.velto.Picture1.Visible, d.velto.cupdate.Visible};
    const bool settled = d.st.Timer1FirstTick == 0 && frontView(d) == shown &&
                         !listOverPanel(d.velto) && !helpMenuToFollow(d);
    return settled ? kIdleTicks : 0;
}

// Between sequences (step 0) Timer2 only hides the status line once the
// inbox is loaded, and watches the reactions window: it has work while that
// window's shown state differs from the watch.
long long Timer2_Quiet(const Desk& d) {
    const DeskState& s = d.st;
    if (s.StartupStep != 0) return 0;
    if (d.veltorsp.form.Visible != (s.ReactionsWatch == 1)) return 0;
    const bool hidesStatus = s.TestFailed == 0 && s.InboxLoaded != 0 && d.velto.ltest.Visible;
    return hidesStatus ? 0 : kIdleTicks;
}

long long Timer3_Quiet(const Desk& d) {
    return d.st.OnlineFlag == 1 || d.st.Disconnected == 1 ? kIdleTicks : 0;
}

// Ticks before the one that polls only count down (and count the idle
// time); a refresh request or a held message is dealt with at the next tick.
long long Timer5_Quiet(const Desk& d) {
    const DeskState& s = d.st;
    if (s.InboxRefreshRequest == 99 || !s.HeldMessages.empty() || s.ProgramEnded) return 0;
    // Disconnected the countdown stands still; with a failed number no poll runs.
    if (s.Disconnected == 1 || s.IdMismatch == 1) return std::numeric_limits<long long>::max();
    return std::max<long long>(s.PollCountdown - 1, 0);
}

namespace {

// 501: the connection is tested; enable the menus, load the language, take
// the first look at the inbox.
void enableAfterTest(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    const bool member = s.SupplierNumber != 0;
    if (s.ConnectState == 2) {
        for (MenuItem* m : {&f.leverancier, &f.extra, &f.vragen, &f.filter}) m->Enabled = true;
        for (MenuItem* m : {&f.splix, &f.filter, &f.offertes}) m->Enabled = member;
    }
    for (MenuItem* m : {&f.helps, &f.ctrlplix, &f.setup}) m->Enabled = true;
    if (s.TrayFlag != 1 && s.ConnectState == 2 && member) {
        deleteold(d);
        f.offertes.Enabled = true;
    }
    if (s.SelectedLanguage < 1) {
        s.SelectedLanguage = static_cast<int>(valInt(s.LanguageTable[200]));
        if (s.SelectedLanguage > 0)
            makelang(d);
        else
            s.SelectedLanguage = 1;
    }
    f.ltest.Caption += s.LineBreak + s.StatusLine2;
    s.StartupStep = 500;

    s.SavedLeft = f.form.Left;
    s.SavedTop = f.form.Top;
    if (member) getchange(d);
    if (s.ProgramEnded) return;  // a quit order from the server
    if (s.ConnectState == 2 && s.InboxLoaded == 1 && member && s.ServerCommand != 2)
        f.fr_vraag.Visible = true;
}

// 499: the end of the sequence; the first time in a run the icon goes up.
void endOfSequence(Desk& d) {
    DeskState& s = d.st;
    s.StartupStep = 0;
    if (s.TrayFlag == 1) return;
    s.TrayFlag = 1;
    ttray_Click(d);
    showMainWindow(d);
    s.IdleTicks = 0;
    if (s.SupplierNumber == 0 && s.OnlineFlag == 1) {
        // Not a member yet: the supplier window opens for the registration,
        // allowed to fetch.
        s.WindowFetchAllowed = 1;
        veltolev_Load(d);
    } else if (s.AcceptedCount == 0 && s.SupplierNumber != 0) {
        ttray_Click(d);
    }
}

}  // namespace

// The start-up and refresh sequence. The steps are tested from 299 up to
// 503, so a step that sets the next value lets that step run on the next tick.
void Timer2_Timer(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    // While a message box waits for the user, the steps that could ask the
    // same question again over it (the connection test) or hide the window
    // under it (the end of the sequence) wait for it to close.
    const bool boxOpen = anyBoxOpen(d.os.messages);

    // While the reactions window is open the main window stands beside it;
    // once it closes, the main window goes back to where it was.
    if (d.veltorsp.form.Visible) {
        s.ReactionsWatch = 1;
    } else if (s.ReactionsWatch == 1) {
        s.ReactionsWatch = 0;
        f.form.Left = s.SavedLeft;
        f.form.Top = s.SavedTop;
    }

    if (s.StartupStep == 299) {
        s.StartupStep = 0;
        getvraag(d);
        getofp(d);
        getofp(d);
    }
    if (s.StartupStep == 0 && s.TestFailed == 0 && s.InboxLoaded != 0) f.ltest.Visible = false;
    if (s.StartupStep == 499 && !boxOpen) endOfSequence(d);
    if (s.StartupStep == 500) {
        if (s.InboxLoaded == 0) {
            f.ltest.Visible = true;
            // Without a membership there is no inbox to be empty: say so.
            const int line = s.OnlineFlag != 1 ? 105 : s.SupplierNumber == 0 ? 104 : 36;
            f.ltest.Caption = s.LanguageTable[line];
            d.veltorsp.form.Visible = false;
        }
        if (s.ConnectState == 2 && s.SupplierNumber != 0) getvraag(d);
        s.StartupStep = 499;
    }
    if (s.StartupStep == 501) enableAfterTest(d);
    if (s.ProgramEnded) return;
    if (s.StartupStep == 502) {
        f.ltest.Caption += s.LineBreak + s.StatusLine1;
        s.StartupStep = 501;
    }
    if (s.StartupStep == 503 && !boxOpen) {
        unloadall(d);
        if (s.IdMismatch != 1) f.frlogin.Visible = false;
        f.ltest.Left = 200;
        f.ltest.Top = 200;
        f.ltest.Caption = s.LanguageTable[101];
        f.ltest.Visible = true;
        s.StartupStep = 502;
        contest(d);
    }
}

// Reconnects every 30 seconds while offline, unless the user disconnected.
void Timer3_Timer(Desk& d) {
    if (d.st.OnlineFlag != 1 && d.st.Disconnected != 1) recon_Click(d);
}

void Timer4_Timer(Desk& d) {
    d.velto.Timer4.Enabled = false;
    d.velto.cupdate.Visible = false;
    d.st.SettingsDirty = 0;
}

// The change-poll countdown. After 30 idle ticks (a minute) the poll slows
// to every 60 ticks and each poll hides the window to the tray. A countdown
// at or below 0 is due, so a record without a usable interval (empty, 0,
// negative, not a number) polls at the minimum instead of never.
void Timer5_Timer(Desk& d) {
    DeskState& s = d.st;
    // Saturates: while polls are blocked nothing caps the count, and it must
    // not wrap round to a negative idle time.
    if (s.IdleTicks < std::numeric_limits<std::int16_t>::max()) ++s.IdleTicks;
    // Server messages that came while another box was open, now it closed.
    if (!anyBoxOpen(d.os.messages)) {
        handleHeldMessages(d);
        if (s.ProgramEnded) return;  // a held quit order
    }
    if (s.Disconnected != 1) --s.PollCountdown;
    if (s.IdMismatch != 1 && s.PollCountdown <= 0) {
        s.PollCountdown = valInt(s.SystemList[0]);
        // The window stays up under an open box until it is answered.
        if (s.IdleTicks >= 30 && s.TestMode != 1 && !anyBoxOpen(d.os.messages)) {
            s.IdleTicks = 30;
            s.PollCountdown = std::max<long long>(s.PollCountdown, 60);
            ttray_Click(d);
        }
        s.PollCountdown = std::max<long long>(s.PollCountdown, 5);
        getchange(d);
        if (s.ProgramEnded) return;  // a quit order from the server
    }
    if (s.InboxRefreshRequest == 99) {
        s.InboxRefreshRequest = 0;
        getvraag(d);
    }
}

void Timer6_Timer(Desk& d) {
    d.velto.Timer6.Enabled = false;
    d.st.StartDelayFlag = 1;
}

}  // namespace plix
