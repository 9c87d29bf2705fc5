#pragma once
// The reactions window veltorsp: one request and its conversation, the box
// for a reaction and the way to the offer form. Its procedures are in
// desk/trade/veltorsp.h, its view in desk/gui/veltorsp_view.h.
#include "desk/forms/controls.h"

namespace plix {

struct VeltorspForm {
    // No design place: makeresp puts it beside the main window.
    FormControl form{.Caption = "", .Width = 5800, .Height = 8200};
    Label lvraagc{}, lvraag{}, ldetailsc{}, ldetails{};
    Frame fr_rsp{.Caption = "Response list"};
    RichTextBox list1{};
    Label lrsp{};
    TextBox treact{};
    Button csend{.Caption = "&Send your reaction"};
    Button cbestel{.Caption = "&Offerform"};
    Button cdelete{.Caption = "&Delete"};
    Button cexit{.Caption = "&Close"};
    TimerControl Timer1{600, false};  // one-shot after load
    TimerControl Timer2{500, false};  // carries out ReactionsCommand

    VeltorspForm();
};

}  // namespace plix
