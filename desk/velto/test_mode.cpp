#include "desk/velto/test_mode.h"

namespace plix {

void lplix_Click(Desk& d) {
    d.velto.ttst.Visible = true;
    d.velto.form.Focus = &d.velto.ttst;
}

void ttst_KeyPress(Desk& d, int& KeyAscii) {
    if (KeyAscii != kEnterKey) return;
    KeyAscii = 0;
    VeltoForm& f = d.velto;
    f.ttst.Visible = false;
    if (f.ttst.Text == kTestModeWord) {
        d.st.TestMode = 1;
        f.testf.Visible = true;
        f.testf.Checked = true;
    }
    f.ttst.Text.clear();  // the word is not left in the box
}

void lnr_MouseMove(Desk& d, int index) {
    const DeskState& s = d.st;
    VeltoForm& f = d.velto;
    const int entry = s.PageOffset + index;
    if (s.TestMode != 1 || index < 0 || index >= kRows || entry < 0 || entry >= kMaxRequests)
        return;
    const RequestEntry& r = s.Requests[entry];
    f.ltst.Caption = r.requester + "   " + r.number;
    // At the row's height, in the window's own coordinates.
    f.ltst.Top = f.fr_start.Top + f.fr_vraag.Top + f.lnr[index].Top;
    f.ltst.Visible = true;
}

void fr_vraag_MouseMove(Desk& d) { d.velto.ltst.Visible = false; }

void testf_Click(Desk& d) {
    VeltoForm& f = d.velto;
    d.st.TestMode = 0;
    f.testf.Visible = false;
    f.testf.Checked = false;
    f.ltst.Visible = false;
}

}  // namespace plix
