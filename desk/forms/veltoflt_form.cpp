#include "desk/forms/veltoflt_form.h"

namespace plix {

// Design-time layout, in twips, relative to each control's frame.
VeltofltForm::VeltofltForm() {
    place(fr_start, 150, 150, 6000, 5700);
    Label1.Caption = "Block";
    Label2.Caption = "Pass";
    Label3.Caption = "Insert your filterwords seperated by comma's";
    place(Label3, 150, 250, 5700, 300);
    place(Label1, 150, 650, 900, 300);
    place(tsper, 1100, 600, 4750, 900);
    place(Label2, 150, 1600, 900, 300);
    place(tdoorlaat, 1100, 1550, 4750, 900);
    place(brcod, 150, 2500, 5700, 300);
    brcod.ForeColor = 0x0000FF;  // red
    brcod.UseMnemonic = false;

    // Countries 0..8 in three columns of three, the place boxes under them,
    // box 9 on a line of its own.
    place(frland, 150, 2850, 5700, 1980);
    const char* countries[kCountryBoxes] = {"English",
                                            "Nederlands",
                                            "Deutsch",
                                            "Fran\xE7"
                                            "ais",
                                            "",
                                            "",
                                            "",
                                            "",
                                            "",
                                            "Other countries"};
    for (int i = 0; i < kCountryBoxes - 1; ++i)
        place(chkland[i], 150 + (i % 3) * 1830, 300 + (i / 3) * 300, 1750, 300);
    for (int i = 0; i < kCountryBoxes; ++i) chkland[i].Caption = countries[i];
    place(tplaats[0], 150, 1250, 2700, 300);
    place(tplaats[1], 2950, 1250, 2600, 300);
    place(chkland[9], 150, 1580, 5400, 300);

    place(lleva, 150, 4900, 5700, 300);
    lleva.Visible = false;
    lleva.ForeColor = 0x0000FF;
    lleva.UseMnemonic = false;
    place(cupdate, 150, 5200, 2400, 375);
    cupdate.Visible = false;
    place(cexit, 4450, 5200, 1400, 375);
}

}  // namespace plix
