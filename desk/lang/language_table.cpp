#include "desk/lang/language_table.h"

#include "desk/core/files.h"
#include "desk/lang/help.h"
#include "desk/lang/language_file.h"

namespace plix {
namespace {

void relabelMainWindow(Desk& d) {
    const auto& t = d.st.LanguageTable;
    VeltoForm& f = d.velto;
    f.ctrlplix.Caption = t[0];
    f.setup.Caption = t[1];
    f.helps.Caption = t[2];
    f.leverancier.Caption = t[3];
    f.filter.Caption = t[4];
    f.form.Caption = t[5] + "  " + d.st.Version;
    f.vragen.Caption = t[167];
    f.clrall.Caption = t[168];
    f.viewall.Caption = t[169];
    f.recon.Caption = t[16];
    f.discon.Caption = t[18];
    f.offertes.Caption = t[39];
    f.Mnexit.Caption = t[19];
    f.ttray.Caption = t[20];
    f.closeprx.Caption = t[14];
    f.close_ze2002.Caption = t[14];
    f.directchat.Caption = t[100];
    f.login.Caption = (t[3].empty() ? std::string() : t[3].substr(1)) + " &" + t[55];
    f.frsystem.Caption = t[10];
    f.fr_vraag.Caption = t[35];
    f.aut.Caption = "&" + t[189];
    for (int i = 0; i < 3; ++i) f.chkact[i].Caption = t[80 + i];
    f.chkgsm.Caption = t[83];
    f.chkema.Caption = t[84];
    f.chksnd.Caption = t[85];
    for (int i = 0; i < 7; ++i) f.llab[i].Caption = t[90 + i];
    for (int i = 0; i < 5; ++i) f.cvraag[i].Caption = t[30 + i];
    f.cupdate.Caption = t[11];
    f.cexit.Caption = t[12];
    f.taal.Caption = t[15];
    for (int i = 0; i < 6; ++i) f.hlp[i].Caption = t[160 + i];
}

}  // namespace

void setLanguageDefaults(DeskState& s) { writeLanguageDefaults(s.LanguageTable); }

void taalhandle(Desk& d) {
    DeskState& s = d.st;
    setLanguageDefaults(s);
    if (s.CurrentLanguage < 1 || s.CurrentLanguage > 7) s.CurrentLanguage = 1;
    if (s.CurrentLanguage <= 4) d.velto.lng[s.CurrentLanguage].Checked = true;

    loadLanguageFile(d.file(kLanguageFile), s.CurrentLanguage, s.LanguageTable);
    if (s.LanguageTable[108] != "OK") return;

    relabelMainWindow(d);
    if (auto text = gethlp(d, 9)) d.velto.lprx.Caption = *text;
}

}  // namespace plix
