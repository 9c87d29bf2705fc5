#include "desk/velto/window_openers.h"

#include "desk/chat/veltochatl.h"
#include "desk/lang/language_table.h"
#include "desk/lang/veltoaut.h"
#include "desk/lang/veltohlp1.h"
#include "desk/lang/veltosrv.h"
#include "desk/velto/commands.h"

namespace plix {

void serverinfo_Click(Desk& d) {
    d.st.IdleTicks = 0;
    clrscr(d);
    veltosrv_Load(d);
}

void aut_Click(Desk& d) {
    d.st.IdleTicks = 0;
    veltoaut_Load(d);
}

void directchat_Click(Desk& d) {
    d.st.IdleTicks = 0;
    d.veltochatl.form.Height = 5500;
    veltochatl_Load(d);
}

void hlp_Click(Desk& d, int index) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    unloadall(d);
    veltohlp1_Load(d);
    Veltohlp1Form& w = d.veltohlp1;
    w.form.Left = d.velto.form.Left + 3000;
    w.form.Top = 200;
    s.HelpTopic = index;
    w.form.Caption = withoutAccelerator(entryOr(s, 2, "&Help")) + "  " +
                     withoutAccelerator(d.velto.hlp[index].Caption);
}

void plixnet_Click(Desk& d) {
    d.st.IdleTicks = 0;
    if (d.os.urls) d.os.urls->open("http://" + d.st.ServerHost + "/");
}

void showWebSite(Desk& d) { d.velto.plixnet.Caption = asMenuCaption(d.st.ServerHost); }

}  // namespace plix
