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

    // System settings: each box with its label before it (and the interval's
    // unit after it), the alert check boxes under their heading, the credit
    // line, then the buttons. Wide enough for the German and French texts.
    place(frsystem, 100, 900, 5250, 4215);
    frsystem.Visible = false;
    const char* labels[7] = {"Http cycle",    "Seconds", "Max. new messages", "Email 2", "Credit",
                             "To be checked", "Alerts"};
    for (int i = 0; i < 7; ++i) llab[i].Caption = labels[i];
    constexpr int labelWidth = 2400, boxLeft = 2550;
    place(llab[0], 120, 300, labelWidth, 300);
    place(tsys[0], boxLeft, 270, 700, 315);
    place(llab[1], boxLeft + 780, 300, 1800, 300);  // the interval's unit
    place(llab[2], 120, 660, labelWidth, 300);
    place(tsys[1], boxLeft, 630, 700, 315);
    place(llab[3], 120, 1020, labelWidth, 300);
    place(tsys[2], boxLeft, 990, 2580, 315);
    place(tsys[3], boxLeft, 990, 2580, 315);
    tsys[3].Visible = false;  // kept for the server, never typed into
    place(lgsm, 120, 1380, labelWidth, 300);
    place(tgsm, boxLeft, 1350, 700, 315);
    place(llab[6], 120, 1760, 4900, 300);  // heading of the alerts
    for (int i = 0; i < 3; ++i) place(chkact[i], 180, 2060 + i * 300, 3050, 300);
    chkact[0].Caption = "New questions";
    chkact[1].Caption = "New Reactions";
    chkact[2].Caption = "Order confirmation";
    place(chkema, 3280, 2060, 1900, 300);
    chkema.Caption = "Email-alert";
    place(chkgsm, 3280, 2360, 1900, 300);
    chkgsm.Caption = "Gsm alert";
    place(chksnd, 3280, 2660, 1900, 300);
    chksnd.Caption = "Sound";
    place(llab[4], 120, 3060, 1400, 300);  // "Credit", beside the credit state
    place(lcred, 1550, 3060, 1600, 300);
    lcred.UseMnemonic = false;  // the server's text
    place(llab[5], 3280, 3060, 1900, 300);
    llab[5].Visible = false;  // shown while the account is still to be checked
    place(cupdate, 120, 3480, 2900, 400);
    cupdate.Visible = false;
    place(cexit, 3280, 3480, 1850, 400);

    place(frlogin, 100, 1800, 5250, 1500);
    frlogin.Visible = false;
    place(tlogin, 200, 300, 2400, 315);
    place(tpasw, 2700, 300, 2400, 315);
    place(cexl, 3700, 900, 1400, 380);

    place(frlan, 100, 1800, 5250, 2700);
    frlan.Visible = false;
    place(optlan[0], 200, 300, 2200, 300);
    optlan[0].Caption = "Direct";
    optlan[0].Value = true;
    place(optlan[1], 200, 650, 2200, 300);
    optlan[1].Caption = "Proxy";
    place(tprx, 2500, 650, 2600, 315);
    place(lprx2, 2500, 1000, 2600, 300);  // the desktop's own proxy setting
    lprx2.UseMnemonic = false;
    place(lprx, 200, 1350, 4900, 800);
    lprx.UseMnemonic = false;  // a help text
    place(lplix, 200, 2250, 1200, 300);
    lplix.Caption = "PLIX";
    place(closeprx, 3700, 2200, 1400, 380);

    place(fr_url, 100, 1800, 5250, 3200);
    fr_url.Visible = false;
    place(t_url, 200, 300, 3500, 315);
    place(c_geturl, 3800, 280, 1300, 380);
    place(t_echo, 200, 750, 4900, 1900);
    place(c_exiturl, 3800, 2700, 1300, 380);

    place(Picture1, 4600, 4500, 600, 600);
    Picture2.Visible = false;
    // Test mode: the access box beside the network frame's PLIX label, and the
    // row note that follows the mouse over the row numbers.
    place(ttst, 1600, 4100, 1800, 315);
    ttst.Visible = false;
    place(ltst, 600, 0, 3600, 300);
    ltst.UseMnemonic = false;   // a requester's text
    ltst.BackColor = 0xE1FFFF;  // light yellow, as a tip
    ltst.Visible = false;
}

}  // namespace plix
