#include "inst/forms/veltosu_form.h"

namespace plix::inst {
VeltosuForm::VeltosuForm() {
    form.Width = 6600;
    form.Height = 4500;

    place(Picture1, 240, 240, 720, 720);
    place(Picture2, 240, 240, 960, 960);

    place(fr_stsrt, 1200, 180, 5160, 2900);
    ltaal.Caption = "&Language :";
    place(ltaal, 0, 90, 1500, 300);
    Combo1.Items = {"English"};
    Combo1.ListIndex = 0;
    place(Combo1, 1560, 40, 2400, 380);
    place(Drive1, 0, 900, 4500, 380);
    place(tpad, 0, 1440, 4500, 380);
    place(Dir1, 4560, 1420, 600, 420);
    chkst.Caption = "Automatic startup";
    place(chkst, 0, 2160, 5100, 380);

    // The end screen's text and the result word are shown as they stand.
    lend.UseMnemonic = false;
    Label1.UseMnemonic = false;
    lend.Visible = false;
    place(lend, 1440, 360, 4900, 1800);
    Picture2.Visible = false;

    cinstall.Caption = "&Install";
    place(cinstall, 1200, 3300, 1800, 480);
    cexit.Caption = "&Cancel";
    place(cexit, 4560, 3300, 1800, 480);
    place(Label1, 240, 3420, 900, 300);
}

}  // namespace plix::inst
