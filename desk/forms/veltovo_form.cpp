#include "desk/forms/veltovo_form.h"

namespace plix {

// Design-time layout, in twips.
VeltovoForm::VeltovoForm() {
    place(loff, 60, 60, 9960, 6200);
    place(cprint, 60, 6400, 1500, 420);
    place(cpdf, 1640, 6400, 1900, 420);
    place(cexit, 8520, 6400, 1500, 420);
}

}  // namespace plix
