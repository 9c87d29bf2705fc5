#pragma once
// The autostart window veltoaut: one check box that shows and switches
// whether plixdesk starts when the user logs in. Its procedures are in
// desk/lang/veltoaut.h, its view in desk/gui/veltoaut_view.h.
#include "desk/forms/controls.h"

namespace plix {

struct VeltoautForm {
    FormControl form{.Caption = "Automatic startup", .Width = 3900, .Height = 1900};
    Frame Fraut{};
    CheckBox Chkaut{{.Caption = "&Automatic startup"}};
    Button cexit{.Caption = "&Close"};

    VeltoautForm();
};

}  // namespace plix
