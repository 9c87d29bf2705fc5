#pragma once
// The help window veltohlp1: the help text of one topic in the interface
// language. Its procedures are in desk/lang/veltohlp1.h, its view in
// desk/gui/veltohlp1_view.h.
#include "desk/forms/controls.h"

namespace plix {

struct Veltohlp1Form {
    FormControl form{.Caption = "Help", .Width = 6700, .Height = 6700};
    Frame frhlp{};
    Label lhlp{};  // the text, on light grey
    Label lhlp2{};
    Button cexit{.Caption = "&Close"};
    TimerControl Timer1{300, false};  // once, after opening: sizes the window and looks the text up

    Veltohlp1Form();
};

}  // namespace plix
