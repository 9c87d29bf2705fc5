#include "desk/velto/connection.h"

#include "desk/net/disconnect.h"
#include "desk/net/ping.h"
#include "desk/velto/commands.h"

namespace plix {

void discon_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    const bool ordered = s.ServerCommand == 2;
    if (!ordered && d.os.messages->show(s.LanguageTable[116], s.LanguageTable[115],
                                        MsgIcon::Critical, MsgButtons::OkCancel) != MsgResult::Ok)
        return;
    disconnect(d);
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
