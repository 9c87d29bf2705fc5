#pragma once
// The log window veltolog: follows the activity log while it is open. Its
// procedures are in desk/core/veltolog.h, its view in desk/gui/veltolog_view.h.
#include "desk/forms/controls.h"

namespace plix {

struct VeltologForm {
    FormControl form{.Caption = "Log", .Left = 50, .Top = 100, .Width = 5200, .Height = 10000};
    TextBox tlog{};
    Button cclr{.Caption = "&Clear"};
    Button cexit{.Caption = "E&xit"};
    TimerControl Timer1{1000, false};

    VeltologForm();
};

}  // namespace plix
