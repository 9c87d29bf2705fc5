#include "desk/forms/velto_form.h"

namespace plix {

// Design-time layout, in twips, relative to each control's frame.
VeltoForm::VeltoForm() {
    place(fr_start, 100, 60, 5450, 5200);
    place(ltest, 200, 200, 4900, 1500);
    ltest.UseMnemonic = false;  // status lines, some of them the server's

    // The request list lies over the start frame's contents.
    place(fr_vraag, 60, 0, 5330, 5000);
    fr_vraag.Visible = false;
    for (int i = 0; i < kRows; ++i) {
        const int top = 300 + i * 420;
        place(Shape1[i], 60, top - 30, 5190, 400);
        place(lnr[i], 120, top, 420, 340);
        place(ltime[i], 580, top, 1200, 340);
        place(lvraag[i], 1820, top, 2280, 340);
        place(cvink[i], 4140, top, 340, 340);
        place(cnew[i], 4520, top, 340, 340);
        place(chand[i], 4900, top, 300, 340);
        for (Label* l : {&lnr[i], &ltime[i], &lvraag[i]})
            l->UseMnemonic = false;  // the server's texts
        cvink[i].Caption = "v";
        cnew[i].Caption = "N";
        chand[i].Caption = "!";
    }
    const char* pageCaptions[5] = {">", "<", "|<", ">|", "Tray"};
    for (int i = 0; i < 5; ++i) {
        place(cvraag[i], 120 + i * 1030, 4540, 980, 360);
        cvraag[i].Caption = pageCaptions[i];
        cvraag[i].Visible = i == 4;
    }

    // System settings: seven labelled lines, then the buttons.
    place(frsystem, 100, 1800, 5250, 3300);
    frsystem.Visible = false;
    const char* labels[7] = {"Poll cycle", "Maximum",  "Mobile", "Remark",
                             "Alerts",     "Activity", "Sound"};
    for (int i = 0; i < 7; ++i) {
        place(llab[i], 120, 280 + i * 360, 1800, 300);
        llab[i].Caption = labels[i];
    }
    for (int i = 0; i < 4; ++i) place(tsys[i], 2000, 250 + i * 360, 3000, 315);
    place(tgsm, 2000, 1690, 900, 315);
    place(lgsm, 2950, 1720, 2100, 300);
    place(chkgsm, 2000, 2050, 1500, 300);
    chkgsm.Caption = "GSM";
    place(chkema, 3550, 2050, 1500, 300);
    chkema.Caption = "E-mail";
    for (int i = 0; i < 3; ++i) {
        place(chkact[i], 120 + i * 1650, 2420, 1600, 300);
        chkact[i].Caption = "Active";
    }
    place(chksnd, 120, 2820, 1500, 300);
    chksnd.Caption = "Sound";
    place(cupdate, 2000, 2820, 1400, 380);
    cupdate.Visible = false;
    place(cexit, 3550, 2820, 1400, 380);
    place(lcred, 120, 3150, 4900, 0);

    place(frlogin, 100, 1800, 5250, 1500);
    frlogin.Visible = false;
    place(tlogin, 200, 300, 2400, 315);
    place(tpasw, 2700, 300, 2400, 315);
    place(cexl, 3700, 900, 1400, 380);

    place(frlan, 100, 1800, 5250, 2200);
    frlan.Visible = false;
    place(optlan[0], 200, 300, 2200, 300);
    optlan[0].Caption = "Direct";
    optlan[0].Value = true;
    place(optlan[1], 200, 650, 2200, 300);
    optlan[1].Caption = "Proxy";
    place(tprx, 2500, 650, 2600, 315);
    place(lprx, 200, 1050, 4900, 600);
    lprx.UseMnemonic = false;  // a help text
    place(lprx2, 200, 1700, 3000, 300);
    place(lplix, 3300, 1700, 1800, 300);
    place(closeprx, 3700, 1700, 1400, 380);

    place(fr_url, 100, 1800, 5250, 3200);
    fr_url.Visible = false;
    place(t_url, 200, 300, 3500, 315);
    place(c_geturl, 3800, 280, 1300, 380);
    place(t_echo, 200, 750, 4900, 1900);
    place(c_exiturl, 3800, 2700, 1300, 380);

    place(Picture1, 4600, 4500, 600, 600);
    Picture2.Visible = false;
    ttst.Visible = false;
    ltst.Visible = false;
}

}  // namespace plix
