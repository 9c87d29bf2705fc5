#include "desk/velto/startup.h"

#include "desk/core/alerts.h"
#include "desk/core/settings.h"
#include "desk/inbox/inbox.h"
#include "desk/lang/language_file.h"
#include "desk/lang/language_table.h"
#include "desk/net/ping.h"
#include "desk/net/proxy.h"
#include "desk/velto/commands.h"
#include "desk/velto/timers.h"
#include "desk/velto/tray.h"

namespace plix {

void Form_Load(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.HelpFileName = "pxhlp.dat";
    s.SoundArmed = 0;
    s.PreviousHeldCount = 0;
    s.DefaultHost = d.defaultHost;

    if (!d.os.instance->acquire()) {
        d.os.messages->show("Already in use", " ONLY ONE IS POSSIBLE", MsgIcon::None,
                            MsgButtons::Ok);
        s.ProgramEnded = true;
        return;
    }
    f.form.Loaded = true;
    s.Version = buildVersion();

    clrvra(d);
    clrena(d);

    f.MnBar.Visible = false;
    s.ChangeSeen = 0;

    loaddat(d);
    taalhandle(d);
    checkSupplierNumber(d);
    s.LineBreak = "\r\n";
    preset(d);

    getproxy(d);
    if (s.UseProxy == 0) pingst(d);
    if (s.UseProxy == 1) {
        s.OnlineFlag = 1;
        s.ProxyServer = s.SystemList[20];
    }

    s.StartupStep = 503;
    s.PageOffset = 0;
    f.form.Visible = true;
    wireTimers(d);
}

void preset(Desk& d) {
    VeltoForm& f = d.velto;
    f.form.State = WindowState::Normal;
    f.fr_url.Visible = false;
    f.fr_vraag.Visible = false;
    f.form.Width = 5800;
    f.form.Height = 6000;
    f.fr_start.Height = f.form.Height - 800;
    f.fr_start.Width = f.form.Width - 350;
    f.fr_vraag.Height = f.fr_start.Height - 200;
    for (auto& shape : f.Shape1) shape.Visible = true;
    d.st.Timer1FirstTick = 1;
    d.st.LanguageCodes = kLanguageCodes;
}

bool Form_QueryUnload(Desk& d, UnloadMode mode) {
    d.velto.form.Visible = false;
    if (mode == UnloadMode::Program || mode == UnloadMode::SystemShutdown) {
        // The end of the desktop session (or a SIGTERM from it) saves as every
        // other way out does; a quit that already ran has saved.
        if (!d.st.ProgramEnded) savedat(d);
        deleteTrayIcon(d);
        Form_Unload(d);
        d.velto.form.Loaded = false;
        d.st.ProgramEnded = true;
        return false;
    }
    return true;
}

void Form_Unload(Desk& d) { Stop_Sound(d); }

// Every way out passes here or through Form_QueryUnload: settings and
// filters not yet written are saved first.
void Mnexit_Click(Desk& d) {
    savedat(d);
    Stop_Sound(d);
    deleteTrayIcon(d);
    unloadall(d);
    d.velto.form.Visible = false;
    d.velto.form.Loaded = false;
    d.st.ProgramEnded = true;
}

}  // namespace plix
