#include "desk/forms/veltolog_form.h"

namespace plix {

// Design-time layout, in twips.
VeltologForm::VeltologForm() {
    place(tlog, 60, 60, 4960, 8900);
    place(cclr, 60, 9060, 1400, 400);
    place(cexit, 3620, 9060, 1400, 400);
}

}  // namespace plix
