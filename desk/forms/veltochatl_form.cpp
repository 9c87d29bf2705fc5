#include "desk/forms/veltochatl_form.h"

namespace plix {

// Design-time layout, in twips.
VeltochatlForm::VeltochatlForm() {
    place(frchat, 60, 40, 6080, 5360);
    place(Combo1, 120, 240, 3040, 340);
    place(cververs, 3240, 220, 1380, 380);
    place(cblock, 4680, 220, 1340, 380);
    place(lmessage, 120, 680, 5900, 300);
    lmessage.UseMnemonic = false;  // names a contact
    place(lchat, 120, 1000, 5900, 3340);
    place(tchat, 120, 4440, 4500, 340);
    place(csend, 4680, 4420, 1340, 380);
    place(cexit, 4680, 4880, 1340, 380);
}

}  // namespace plix
