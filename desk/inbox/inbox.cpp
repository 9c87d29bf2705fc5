#include "desk/inbox/inbox.h"

namespace plix {

void clrvra(Desk& d) {
    VeltoForm& f = d.velto;
    for (int i = 0; i < kRows; ++i) {
        f.lvraag[i].BackColor = 0xD3D3D3;
        f.ltime[i].BackColor = 0xD2D2D2;
        f.lnr[i].BackColor = 0xD0D0D0;
        for (Control* c : {&f.lnr[i], &f.ltime[i], &f.lvraag[i], &f.cvink[i], &f.cnew[i],
                           &f.chand[i], &f.Shape1[i]})
            c->Visible = false;
    }
    for (int i = 0; i < 4; ++i) f.cvraag[i].Visible = false;
}

}  // namespace plix
