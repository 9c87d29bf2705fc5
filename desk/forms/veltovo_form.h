#pragma once
// The offers print window veltovo: the offers overview, tidied and coloured,
// printed or saved as PDF. Its procedures are in desk/trade/veltovo.h, its
// view in desk/gui/veltovo_view.h.
#include "desk/forms/controls.h"

namespace plix {

struct VeltovoForm {
    FormControl form{
        .Caption = "Offertes", .Left = 200, .Top = 200, .Width = 10200, .Height = 7400};
    RichTextBox loff{};
    Button cprint{.Caption = "&Print"};
    Button cpdf{.Caption = "Save as P&DF"};
    Button cexit{.Caption = "&Exit"};

    VeltovoForm();
};

}  // namespace plix
