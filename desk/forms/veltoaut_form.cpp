#include "desk/forms/veltoaut_form.h"

namespace plix {

// Design-time layout, in twips; the box is wide enough for its French text.
VeltoautForm::VeltoautForm() {
    place(Fraut, 60, 40, 3780, 1180);
    place(Chkaut, 240, 420, 3400, 360);
}

}  // namespace plix
