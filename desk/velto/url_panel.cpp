#include "desk/velto/url_panel.h"

#include "desk/core/number.h"
#include "desk/net/transport.h"
#include "desk/velto/startup.h"

namespace plix {

void directurl_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.IdleTicks = 0;
    f.t_url.Text =
        "http://" + s.DefaultHost + "/plix_chkl.php?CD=02&ID_LV=" + numText(s.SupplierNumber);
    f.fr_vraag.Visible = false;
    f.ltst.Visible = false;
    if (s.DisconnectedBeforeUrlPanel < 0) s.DisconnectedBeforeUrlPanel = s.Disconnected;
    s.Disconnected = 1;
    preset(d);
    f.fr_start.Height = 8000;
    f.fr_start.Width = 12000;
    // The window grows to hold the larger frame, as preset sizes it for the
    // start frame.
    f.form.Width = f.fr_start.Width + 350;
    f.form.Height = f.fr_start.Height + 800;
    place(f.fr_url, 100, 100, f.fr_start.Width - 200, f.fr_start.Height - 100);
    place(f.t_url, 200, 300, f.fr_url.Width - 1900, 315);
    place(f.c_geturl, f.fr_url.Width - 1600, 280, 1400, 380);
    place(f.t_echo, 200, 800, f.fr_url.Width - 400, f.fr_url.Height - 1500);
    place(f.c_exiturl, f.fr_url.Width - 1600, f.fr_url.Height - 600, 1400, 380);
    f.fr_url.Visible = true;
    f.form.Focus = &f.t_url;
}

void c_geturl_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.IdleTicks = 0;
    s.RequestUrl = f.t_url.Text;
    // Offline nothing is fetched: the box then stays empty rather than
    // showing an earlier exchange's reply as this one's.
    s.ServerReply.clear();
    geturl(d);
    f.form.Focus = &f.t_echo;
    f.t_echo.Text = s.ServerReply;
}

void t_url_KeyPress(Desk& d, int& KeyAscii) {
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    c_geturl_Click(d);
}

void c_exiturl_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    preset(d);
    // Back to the connection as it was: a program that was polling polls
    // again, with its list.
    if (s.DisconnectedBeforeUrlPanel >= 0) {
        s.Disconnected = s.DisconnectedBeforeUrlPanel;
        s.DisconnectedBeforeUrlPanel = -1;
        if (s.Disconnected != 1) s.StartupStep = 503;
    }
}

}  // namespace plix
