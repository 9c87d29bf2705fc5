#include "desk/forms/veltorsp_form.h"

namespace plix {

// Design-time layout, in twips.
VeltorspForm::VeltorspForm() {
    lvraagc.Caption = "Request";
    ldetailsc.Caption = "Details";
    lrsp.Caption = "Place your reaction here";
    place(lvraagc, 120, 120, 900, 300);
    place(lvraag, 1080, 120, 4480, 300);
    place(ldetailsc, 120, 480, 900, 300);
    place(ldetails, 1080, 480, 4480, 900);
    for (Label* l : {&lvraag, &ldetails}) l->UseMnemonic = false;  // the customer's texts
    place(fr_rsp, 60, 1440, 5560, 4000);
    place(list1, 100, 260, 5360, 3640);
    place(lrsp, 120, 5540, 5440, 300);
    place(treact, 120, 5840, 5440, 1260);
    place(csend, 120, 7220, 1900, 400);
    place(cbestel, 2080, 7220, 1200, 400);
    place(cdelete, 3340, 7220, 1080, 400);
    place(cexit, 4480, 7220, 1080, 400);
}

}  // namespace plix
