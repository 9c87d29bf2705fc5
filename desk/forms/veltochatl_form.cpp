#include "desk/forms/veltochatl_form.h"

namespace plix {

// Design-time layout, in twips.
VeltochatlForm::VeltochatlForm() {
    place(frchat, 60, 40, 5280, 5360);
    place(Combo1, 120, 240, 2860, 340);
    place(cververs, 3060, 220, 1040, 380);
    place(cblock, 4160, 220, 1060, 380);
    place(lmessage, 120, 680, 5100, 300);
    lmessage.UseMnemonic = false;  // names a contact
    place(lchat, 120, 1000, 5100, 3340);
    place(tchat, 120, 4440, 3880, 340);
    place(csend, 4100, 4420, 1120, 380);
    place(cexit, 4100, 4880, 1120, 380);
}

}  // namespace plix
