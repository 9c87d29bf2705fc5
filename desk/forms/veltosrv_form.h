#pragma once
// The server settings window veltosrv: the server host and the supplier
// number this installation uses. Its procedures are in desk/lang/veltosrv.h,
// its view in desk/gui/veltosrv_view.h.
#include "desk/forms/controls.h"

namespace plix {

constexpr int kServerHostLength = 30;  // positions 1..30 of the settings record

struct VeltosrvForm {
    FormControl form{.Caption = "The Ze2002 server connection data", .Width = 4900, .Height = 2500};
    Frame fr_start{.Caption = "Server connect information"};  // bold
    Label lurl{};
    TextBox turl{};  // the server host, at most 30 characters
    Label lid{};
    TextBox tid{};  // the supplier number
    Button cid{.Caption = "&Clear ID"};
    Button cexit{.Caption = "&Close"};

    VeltosrvForm();
};

}  // namespace plix
