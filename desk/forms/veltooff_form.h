#pragma once
// The offer window veltooff: a priced offer on the selected request. Its
// procedures are in desk/trade/veltooff.h, its view in desk/gui/veltooff_view.h.
#include <array>

#include "desk/forms/controls.h"

namespace plix {

struct VeltooffForm {
    // No design place: the reactions window puts it over the main window.
    FormControl form{.Caption = "", .Width = 5800, .Height = 6200};
    Frame fr_offer{.Caption = "Offerform"};
    std::array<Label, 6> loff{};
    TextBox tsub{}, tbedrag{};
    Frame frbtw{};
    std::array<OptionButton, 2> optbtw{};  // 0 inclusive, 1 exclusive
    std::array<ComboBox, 3> coff{};        // payment, delivery time, shipping
    Button cconfirm{.Caption = "Con&firm"};
    Button cexit{.Caption = "&Close"};
    TimerControl Timer1{500, false};  // enables cconfirm while the offer is complete
    TimerControl Timer2{500, false};  // one-shot: puts the stored offer into the fields

    VeltooffForm();
};

}  // namespace plix
