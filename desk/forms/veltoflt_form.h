#pragma once
// The filter window veltoflt: the word filters kept on the server (block and
// pass words) and the place and country filters kept in the settings. Its
// procedures are in desk/profile/veltoflt.h, its view in
// desk/gui/veltoflt_view.h.
#include <array>
#include <string>

#include "desk/forms/controls.h"

namespace plix {

constexpr int kCountryBoxes = 10;  // chkland(0..9); box 9 blocks the requests from elsewhere

struct VeltofltForm {
    FormControl form{.Caption = "Your filters (Fill words comma delimited)"};
    Frame fr_start{.Caption = "Filters"};
    Label Label1{}, Label2{}, Label3{};
    TextBox tsper{};      // block words
    TextBox tdoorlaat{};  // pass words
    Frame frland{.Caption = "Sperfilters Plaats/Land"};
    std::array<TextBox, 2> tplaats{};
    std::array<CheckBox, kCountryBoxes> chkland{};
    Button cupdate{.Caption = "&Update to PLIX server"};
    Button cexit{.Caption = "&Close"};
    Label brcod{};                   // the warning that the server's copy is another supplier's
    Label lleva{};                   // the red notice
    TimerControl Timer1{500, true};  // arms the window half a second after opening

    // The window's own variable: SystemList 15..17 as they were at opening,
    // put back when the user does not keep the changes.
    std::array<std::string, 3> PlacesAtOpen;

    VeltofltForm();
};

}  // namespace plix
