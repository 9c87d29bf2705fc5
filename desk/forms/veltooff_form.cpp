#include "desk/forms/veltooff_form.h"

namespace plix {

// Design-time layout, in twips.
VeltooffForm::VeltooffForm() {
    place(fr_offer, 60, 60, 5560, 4300);
    const char* captions[6] = {
        "Subscription", "Total amount", "V.A.T:", "Payment", "Deliverance time", "How to get"};
    for (int i = 0; i < 6; ++i) {
        place(loff[i], 120, 320 + i * 520, 1620, 300);
        loff[i].Caption = captions[i];
    }
    place(tsub, 1800, 290, 3600, 340);
    place(tbedrag, 1800, 810, 1800, 340);
    place(frbtw, 1800, 1250, 3000, 480);
    place(optbtw[0], 100, 140, 1200, 300);
    place(optbtw[1], 1400, 140, 1200, 300);
    optbtw[0].Caption = "&Incl";
    optbtw[1].Caption = "&Excl";
    optbtw[1].Value = true;
    for (int i = 0; i < 3; ++i) place(coff[i], 1800, 1850 + i * 520, 3600, 360);
    place(cconfirm, 1800, 3620, 1700, 420);
    place(cexit, 3700, 3620, 1700, 420);
}

}  // namespace plix
