#include "desk/velto/row_click.h"

#include <algorithm>

#include "desk/trade/veltorsp.h"

namespace plix {

void vraag_Click(Desk& d, int row) {
    if (row < 0 || row >= kRows || !d.velto.lnr[row].Visible) return;
    d.st.SelectedRequest = row;
    makeresp(d);
}

void makeresp(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.IdleTicks = 0;
    s.SelectedRequest = std::clamp(s.SelectedRequest + s.PageOffset, 0, kMaxRequests - 1);
    s.SelectedEntry = s.Requests[s.SelectedRequest];
    // The supplier and filter windows step aside for the request; what was
    // typed in them stays. Windows that are not open are left unloaded: loading
    // them hidden would fetch the profile and the filters for nothing.
    d.veltolev.form.Visible = false;
    d.veltoflt.form.Visible = false;
    f.frsystem.Visible = false;
    VeltorspForm& w = d.veltorsp;
    if (!w.form.Loaded) veltorsp_Load(d);
    w.form.Visible = true;
    f.form.Left = 300;
    w.form.Left = f.form.Left + f.form.Width - 300;
    w.form.Top = 200;
    w.form.Height = f.form.Height + 2200;
    w.form.Width = f.form.Width;
    s.ReactionsCommand = kReloadRequest;
    s.ListAfterOpening = true;
}

}  // namespace plix
