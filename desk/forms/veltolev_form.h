#pragma once
// The supplier window veltolev: the supplier's profile (23 boxes), the branch
// catalogue beside it while a branch-code box is edited, and the buttons that
// register, update or delete the membership. Its procedures are in
// desk/profile/veltolev.h and desk/profile/branches.h, its view in
// desk/gui/veltolev_view.h.
#include <array>
#include <string>

#include "desk/forms/controls.h"

namespace plix {

constexpr int kProfileBoxes = 23;  // tlev(0..22)
constexpr int kNoBox = -1;
constexpr int kLanguageListBox = 9;  // the hidden box 9 takes the text of the list taal
constexpr int kBranchBox1 = 10, kBranchBox2 = 11;
constexpr int kPasswordBox = 14, kLoginBox = 15, kPasswordAgainBox = 16;
constexpr int kBankBox = 19;  // 19..22: account, bank name, bank place, bank country

// Colours of the boxes (0xBBGGRR): the required ones light cyan, the one with
// the focus light yellow, the others the system's window colour.
constexpr int kRequiredColour = 0xFFFFC0;
constexpr int kFocusColour = 0xC0FFFF;

// Window widths (twips): narrow, and widened for the catalogue.
constexpr int kNarrowWidth = 5600, kWideWidth = 11000;

// The box each label llev(k) names: label k carries LanguageTable[40 + k].
// Label 8 names the language list, label 12 the credit state.
constexpr int kLanguageListLabel = 8, kCreditLabel = 12;
constexpr std::array<int, kProfileBoxes> kBoxOfLabel{
    0, 1, 3, 4, 5, 6, 7, 8, kNoBox, 10, 11, 12, kNoBox, 13, 14, 15, 16, 19, 20, 21, 22, 17, 18};

struct VeltolevForm {
    FormControl form{.Caption = "Your deliverer information on the PLIX server",
                     .Top = 200,
                     .Width = kNarrowWidth,
                     .Height = 8000};
    Frame fr_start{.Caption = "Information deliverer"};
    std::array<TextBox, kProfileBoxes> tlev{};
    std::array<Label, kProfileBoxes> llev{};
    ComboBox taal{};  // the language list
    Frame frbank{.Caption = "Chamber of Commerce     Bank  "};
    Button cupdate{.Caption = "&Update to PLIX server"};
    Button cdelete{.Caption = "&Delete me"};
    Button c_exit{.Caption = "&Close"};
    Button view{.Caption = "&View in/out"};
    Label lcred{};
    Label lleva{};  // the red notice
    TextBox Text1{}, Text2{};

    // The branch catalogue: categories, subcategories and their header.
    ListBox List1{}, List2{};
    Label brcod{};

    TimerControl Timer1{1000, false};  // the second record fetch, one second after opening

    // The window's own variables.
    int FocusedField = kNoBox;   // the tlev box that last had the focus
    std::string SavedHeader;     // brcod's caption at opening
    std::string ChosenCategory;  // the clicked category line from its fifth character on

    VeltolevForm();
};

}  // namespace plix
