#include "desk/forms/veltosrv_form.h"

namespace plix {

// Design-time layout, in twips.
VeltosrvForm::VeltosrvForm() {
    place(fr_start, 60, 40, 4780, 2360);
    place(lurl, 200, 420, 700, 300);
    lurl.Caption = "URL";
    place(turl, 950, 390, 3650, 315);
    place(lid, 200, 860, 700, 300);
    lid.Caption = "ID";
    place(tid, 950, 830, 1600, 315);
    place(cid, 200, 1680, 1700, 420);
    place(cexit, 2900, 1680, 1700, 420);
}

}  // namespace plix
