#pragma once
// The chat window veltochatl: a typed conversation with the customers the
// server lists for this supplier. Its procedures are in desk/chat/veltochatl.h,
// its view in desk/gui/veltochatl_view.h.
#include <string>
#include <vector>

#include "desk/forms/controls.h"

namespace plix {

struct VeltochatlForm {
    FormControl form{.Caption = "Direct chat mode", .Width = 6200, .Height = 5500};
    Frame frchat{};
    ComboBox Combo1{};  // the contacts; the chosen one is the current contact
    Button cververs{.Caption = "&Ververs"};
    Button cblock{.Caption = "&Blokkeer"};
    Label lmessage{};  // status line above the conversation
    RichTextBox lchat{};
    TextBox tchat{};  // the line being typed
    Button csend{.Caption = "&Send"};
    Button cexit{.Caption = "&Close"};
    TimerControl Timer1{500, false};   // once, after opening: the focus to tchat
    TimerControl Timer2{5000, false};  // the conversation's refresh

    // The window's own variables.
    std::string CurrentContact;
    bool ContactsPresent = false;     // the last contact list named at least one
    std::vector<std::string> Fields;  // the bracketed fields of the last conversation

    VeltochatlForm();
};

}  // namespace plix
