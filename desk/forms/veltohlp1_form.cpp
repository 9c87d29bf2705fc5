#include "desk/forms/veltohlp1_form.h"

namespace plix {

// Design-time layout, in twips.
Veltohlp1Form::Veltohlp1Form() {
    place(frhlp, 60, 40, 6600, 6200);
    place(lhlp, 120, 260, 6360, 5260);
    lhlp.UseMnemonic = false;  // a help text
    lhlp.BackColor = 0xE0E0E0;
    place(lhlp2, 120, 5640, 4500, 300);
    lhlp2.UseMnemonic = false;
    place(cexit, 5080, 5600, 1400, 400);
}

}  // namespace plix
