#include "desk/forms/veltolev_form.h"

namespace plix {
namespace {

constexpr int kRowTop = 250, kRowPitch = 330, kBoxHeight = 300;
constexpr int kLabelLeft = 120, kLabelWidth = 1530, kBoxLeft = 1680, kBoxRight = 5250;
// A second label and box on the same row.
constexpr int kSecondLabelLeft = 2950;

int row(int r) { return kRowTop + r * kRowPitch; }

// Design captions of the labels llev(0..22).
constexpr const char* kLabelCaptions[kProfileBoxes] = {
    "&Name",   "&Adres", "&Place",    "&Zipcode",    "&Country",      "&Telephone",
    "&Fax",    "&Email", "&Language", "&Branchcode", "Branchecode&2", "&Url",
    "Cre&dit", "S&ms",   "pasw1",     "Login:",      "Pass2",         "Accountnr",
    "Name",    "Place",  "Country",   "Number",      "Place"};

}  // namespace

// Design-time layout, in twips, relative to each control's frame.
VeltolevForm::VeltolevForm() {
    place(fr_start, 100, 100, kNarrowWidth - 200, 7600);
    for (int k = 0; k < kProfileBoxes; ++k) llev[k].Caption = kLabelCaptions[k];

    // One labelled box a row, each box as wide as the frame allows.
    const auto line = [this](int r, int label, int box, int width = kBoxRight - kBoxLeft) {
        place(llev[label], kLabelLeft, row(r) + 30, kLabelWidth, kBoxHeight);
        if (box != kNoBox) place(tlev[box], kBoxLeft, row(r), width, kBoxHeight);
    };
    // A second labelled box to the right of the first on the same row.
    const auto beside = [this](int r, int label, int labelWidth, int box) {
        place(llev[label], kSecondLabelLeft, row(r) + 30, labelWidth, kBoxHeight);
        const int left = kSecondLabelLeft + labelWidth + 50;
        place(tlev[box], left, row(r), kBoxRight - left, kBoxHeight);
    };
    line(0, 0, 0);
    line(1, 1, 1, 2620);
    place(tlev[2], 4350, row(1), 900, kBoxHeight);  // the house number
    line(2, 2, 3);
    line(3, 3, 4, 1500);
    line(4, 4, 5);
    line(5, 5, 6, 1420);
    place(llev[6], 3150, row(5) + 30, 450, kBoxHeight);  // fax beside the telephone
    place(tlev[7], 3600, row(5), kBoxRight - 3600, kBoxHeight);
    line(6, 7, 8);
    line(7, kLanguageListLabel, kNoBox);
    place(taal, kBoxLeft, row(7), 2200, kBoxHeight);
    place(tlev[kLanguageListBox], kBoxLeft, row(7), 2200, kBoxHeight);
    tlev[kLanguageListBox].Visible = false;
    line(8, 9, kBranchBox1, 600);
    place(llev[10], 2400, row(8) + 30, 1400, kBoxHeight);
    place(tlev[kBranchBox2], 3850, row(8), 600, kBoxHeight);
    line(9, 11, 12);
    line(10, 13, 13, 2200);
    line(11, 15, kLoginBox, 2200);
    line(12, 14, kPasswordBox, 1250);
    beside(12, 16, 1150, kPasswordAgainBox);
    line(13, kCreditLabel, kNoBox);
    place(lcred, kBoxLeft, row(13) + 30, 3500, kBoxHeight);
    lcred.UseMnemonic = false;  // the server's text

    // Chamber of Commerce and bank: four rows in their own frame.
    place(frbank, 50, row(14) - 50, kBoxRight + 50, 1630);
    const auto bankRow = [](int r) { return kRowTop + r * kRowPitch; };
    constexpr int kBankBoxLeft = 1800, kBankRight = 5150;
    const auto bankLine = [&](int r, int label, int box, int width) {
        place(llev[label], kLabelLeft, bankRow(r) + 30, kBankBoxLeft - 150, kBoxHeight);
        place(tlev[box], kBankBoxLeft, bankRow(r), width, kBoxHeight);
    };
    const auto bankBeside = [&](int r, int label, int box) {
        place(llev[label], 2900, bankRow(r) + 30, 650, kBoxHeight);
        place(tlev[box], 3550, bankRow(r), kBankRight - 3550, kBoxHeight);
    };
    bankLine(0, 21, 17, 1050);
    bankBeside(0, 22, 18);
    bankLine(1, 17, 19, kBankRight - kBankBoxLeft);
    bankLine(2, 18, 20, 1050);
    bankBeside(2, 19, 21);
    bankLine(3, 20, 22, 2200);

    place(lleva, kLabelLeft, 6580, 5130, 480);
    lleva.Visible = false;
    lleva.ForeColor = 0x0000FF;  // red
    lleva.UseMnemonic = false;
    place(Text1, kLabelLeft, 6580, 2500, 480);
    place(Text2, 2700, 6580, 2500, 480);
    Text1.Visible = Text2.Visible = false;

    place(cupdate, kLabelLeft, 7100, 2300, 375);
    cupdate.Visible = false;
    cupdate.Enabled = false;
    place(cdelete, 2500, 7100, 1300, 375);
    cdelete.Visible = false;
    place(c_exit, 3900, 7100, 1300, 375);
    place(view, 3900, 6650, 1300, 375);
    view.Visible = false;

    // The catalogue, right of the profile in the widened window.
    brcod.Caption = "  Categories              Subcategories";
    place(brcod, 5450, 250, 5250, 300);
    brcod.UseMnemonic = false;
    place(List1, 5450, 600, 2600, 6400);
    place(List2, 8150, 600, 2550, 6400);
    brcod.Visible = List1.Visible = List2.Visible = false;

    for (int box : {0, 1, 2, 3, 4, 5, 8, 10}) tlev[box].BackColor = kRequiredColour;
}

}  // namespace plix
