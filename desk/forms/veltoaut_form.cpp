#include "desk/forms/veltoaut_form.h"

namespace plix {

// Design-time layout, in twips; the box is wide enough for its French text.
VeltoautForm::VeltoautForm() {
    place(Fraut, 60, 40, 3780, 1780);
    place(Chkaut, 240, 360, 3400, 360);
    place(cexit, 2040, 1140, 1600, 420);
}

}  // namespace plix
