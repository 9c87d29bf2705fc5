#include "desk/velto/connection.h"

#include "desk/net/ping.h"
#include "desk/velto/commands.h"

namespace plix {

void discon_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.IdleTicks = 0;
    const bool ordered = s.ServerCommand == 2;
    if (!ordered && d.os.messages->show(s.LanguageTable[116], s.LanguageTable[115], MsgIcon::Critical,
                                        MsgButtons::OkCancel) != MsgResult::Ok)
        return;
    s.Disconnected = 1;
    f.discon.Checked = true;
    f.ltest.Caption = s.LanguageTable[115];
    f.fr_vraag.Caption = s.LanguageTable[117];
    if (ordered) f.fr_vraag.Visible = false;
}

void recon_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.IdleTicks = 0;
    f.ttst.Visible = false;
    if (s.UseProxy == 1)
        s.OnlineFlag = 1;
    else
        pingst(d);
    s.SoundArmed = 0;
    clrena(d);
    s.Disconnected = 0;
    s.PageOffset = 0;
    f.discon.Checked = false;
    f.fr_vraag.Visible = false;
    f.fr_vraag.Caption = s.LanguageTable[35];
    s.StartupStep = 503;
}

}  // namespace plix
