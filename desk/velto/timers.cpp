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
    attachWindowTimers(d, s);
}

// Which panel or window is in front, and the update button.
void Timer1_Timer(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.Timer1FirstTick = 0;
    f.cupdate.Visible = s.ConnectState == 2 && s.SettingsDirty == 1;

    // The settings and URL panels hid the request list when they opened; a
    // fetch meanwhile (a poll that found a change) must not put it back over
    // what the user is editing.
    if (f.frsystem.Visible || f.fr_url.Visible) f.fr_vraag.Visible = false;

    s.FrontPanel = 0;
    bool picture = true;  // the picture shows only while no frame is in front
    if (f.fr_vraag.Visible) {
        s.FrontPanel = 1;
        if (s.InboxLoaded != 0) picture = false;
    }
    if (f.frsystem.Visible) {
        picture = false;
        s.FrontPanel = 2;
    }
    if (f.fr_url.Visible) {
        picture = false;
        s.FrontPanel = 3;
    }
    if (d.veltorsp.form.Visible) s.FrontPanel = 4;
    if (d.veltooff.form.Visible) s.FrontPanel = 5;
    // While the server window is open the help menu is disabled, and it
    // comes back when that window closes.
    if (d.veltosrv.form.Visible) {
        s.FrontPanel = 6;
        if (f.helps.Enabled) s.HelpMenuHeld = 1;
        f.helps.Enabled = false;
    } else if (s.HelpMenuHeld == 1) {
        s.HelpMenuHeld = 0;
        f.helps.Enabled = true;
    }
    if (d.veltolev.form.Visible) s.FrontPanel = 7;
    if (d.veltoflt.form.Visible) s.FrontPanel = 8;
    f.Picture1.Visible = picture;
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
