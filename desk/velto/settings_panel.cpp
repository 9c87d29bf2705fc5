#include "desk/velto/settings_panel.h"

#include <array>

#include "desk/core/item_list.h"
#include "desk/core/number.h"
#include "desk/core/settings.h"
#include "desk/net/protocol.h"
#include "desk/profile/supplier.h"
#include "desk/velto/commands.h"
#include "desk/velto/contest.h"

namespace plix {
namespace {

std::string yesNo(const CheckBox& box) { return box.Value == 1 ? "ja" : "nee"; }
int ticked(const std::string& item) { return item == "ja" ? 1 : 0; }

void fillPanel(Desk& d) {
    const DeskState& s = d.st;
    VeltoForm& f = d.velto;
    f.tsys[0].Text = stripsp(s.SystemList[0]);
    f.tsys[1].Text = s.SupplierList[20];
    f.tsys[2].Text = s.SupplierList[21];
    f.tsys[3].Text = s.SystemList[3];
    for (int i = 0; i < 3; ++i) f.chkact[i].Value = ticked(s.SupplierList[24 + i]);
    f.chkema.Value = ticked(s.SupplierList[23]);
    f.chkgsm.Value = ticked(s.SupplierList[22]);
    f.tgsm.Text = s.SupplierList[22];
    f.chksnd.Value = ticked(s.SupplierList[27]);
}

}  // namespace

void splix_Click(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.IdleTicks = 0;
    if (s.SettingsDirty == 1) savedat(d);
    unloadall(d);
    for (MenuItem* m : {&f.extra, &f.setup, &f.vragen}) m->Enabled = false;
    f.fr_vraag.Visible = false;
    f.frsystem.Visible = true;
    f.frsystem.Height = 4215;
    // Without a language file the design's captions stay.
    if (!s.LanguageTable[52].empty()) f.llab[kSettingsCreditLabel].Caption = s.LanguageTable[52];
    if (!s.LanguageTable[83].empty()) f.lgsm.Caption = s.LanguageTable[83];
    contest(d);
    if (s.ProgramEnded) return;  // the user took the update the server offered
    if (s.ConnectState == 2) getlev(d);
    fillPanel(d);
    f.Timer4.Enabled = true;
    if (d.os.scheduler) d.os.scheduler->sync();
}

void chkact_Click(Desk& d, int index) {
    d.st.SupplierList[24 + index] = yesNo(d.velto.chkact[index]);
    d.st.SettingsDirty = 1;
}

void chkema_Click(Desk& d) {
    d.st.SupplierList[23] = yesNo(d.velto.chkema);
    d.st.SettingsDirty = 1;
}

void chkgsm_Click(Desk& d) {
    d.st.SupplierList[22] = yesNo(d.velto.chkgsm);
    d.st.SettingsDirty = 1;
}

void chksnd_Click(Desk& d) {
    d.st.SupplierList[27] = yesNo(d.velto.chksnd);
    d.st.SettingsDirty = 1;
}

void tsys_KeyPress(Desk& d, int) { d.st.SettingsDirty = 1; }

void tgsm_KeyPress(Desk& d) { d.st.SettingsDirty = 1; }

std::string alertSettingsList(const DeskState& s) {
    std::array<std::string, 11> items;
    items[0] = s.SystemList[0];
    for (int i = 20; i <= 28; ++i) items[i - 19] = s.SupplierList[i];
    items[10] = s.SystemList[3];
    return buildItemList(items);
}

void cupdate_Click(Desk& d) {
    DeskState& s = d.st;
    d.velto.cupdate.Visible = false;
    s.IdleTicks = 0;
    s.OperationLabel = " UPDATE SYSTEM ";
    makesys(d);
    // makesys has stored the settings: the button stays away until the next change.
    s.SettingsDirty = 0;
    serverRequest(d, " UPDATE SYSTEM ", Script::Ctrl, 9,
                  {{"ID_LV", numText(s.SupplierNumber)}, {"CTR", alertSettingsList(s)}});
    getlev(d);
}

void cexit_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    makesys(d);  // takes the panel into the lists and writes pxini.dat
    s.SettingsDirty = 0;
    d.velto.frsystem.Visible = false;
    s.StartupStep = 503;
}

}  // namespace plix
