#include "desk/velto/proxy_frame.h"

#include "desk/core/item_list.h"
#include "desk/core/settings.h"

namespace plix {
namespace {

void showChoice(Desk& d) {
    VeltoForm& f = d.velto;
    f.optlan[0].Value = d.st.UseProxy != 1;
    f.optlan[1].Value = d.st.UseProxy == 1;
    f.tprx.Enabled = d.st.UseProxy == 1;
}

}  // namespace

void lan_Click(Desk& d) {
    VeltoForm& f = d.velto;
    d.st.IdleTicks = 0;
    f.frlan.Visible = true;
    f.lprx2.Caption = d.st.ProxyNote;
    showChoice(d);
}

void optlan_Click(Desk& d, int index) {
    DeskState& s = d.st;
    s.UseProxy = index == 1 ? 1 : 0;
    if (s.UseProxy == 1) {
        d.velto.tprx.Text = s.ProxyNote;
        s.OnlineFlag = 0;
    }
    showChoice(d);
}

void tprx_KeyDown(Desk& d) { d.st.OnlineFlag = 0; }

void closeprx_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    f.ltst.Visible = false;
    f.ttst.Visible = false;
    f.frlan.Visible = false;
    s.ProxyServer = itemText(f.tprx.Text);
    s.SystemList[19] = s.UseProxy == 1 ? "proxy" : "";
    s.SystemList[20] = s.ProxyServer;
    s.SettingsDirty = 1;
    savedat(d);
    s.StartupStep = 299;
}

}  // namespace plix
