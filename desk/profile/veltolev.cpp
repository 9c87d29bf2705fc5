#include "desk/profile/veltolev.h"

#include "desk/core/activity_log.h"
#include "desk/core/number.h"
#include "desk/profile/branches.h"
#include "desk/profile/framing.h"
#include "desk/profile/supplier.h"

namespace plix {
namespace {

constexpr int kRequiredBoxes[] = {10, 0, 1, 2, 3, 4, 5};
constexpr int kBankBoxes = 4;

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

void relabel(Desk& d) {
    const auto& t = d.st.LanguageTable;
    VeltolevForm& w = d.veltolev;
    w.fr_start.Caption = t[21];
    w.cupdate.Caption = t[11];
    w.c_exit.Caption = t[12];
    w.cdelete.Caption = t[13];
    for (int k = 0; k < kProfileBoxes; ++k) w.llev[k].Caption = t[40 + k];
    w.frbank.Caption = t[69];
    w.brcod.Caption = t[70];
    w.taal.Items.assign(t.begin() + 190, t.begin() + 199);
    w.taal.ListIndex = d.st.CurrentLanguage - 1;
}

// Slot 19 into the four bank boxes. Fetched: the boxes are emptied first,
// and a missing separator puts the whole slot into the account box. At
// opening a missing separator only stops the split.
void fillBankBoxes(VeltolevForm& w, std::string_view slot, bool fetched) {
    const std::string_view whole = slot;
    if (fetched)
        for (int i = 1; i < kBankBoxes; ++i) w.tlev[kBankBox + i].Text.clear();
    for (int part = 0; part < kBankBoxes - 1; ++part) {
        const std::size_t bar = slot.find('|');
        if (bar == std::string_view::npos) {
            if (fetched) w.tlev[kBankBox].Text = std::string(whole);
            return;
        }
        w.tlev[kBankBox + part].Text = std::string(slot.substr(0, bar));
        slot.remove_prefix(bar + 1);
    }
    w.tlev[kBankBox + kBankBoxes - 1].Text = std::string(slot);
}

std::string chosenLanguage(const VeltolevForm& w) {
    const ListBox& l = w.taal;
    return l.ListIndex >= 0 && l.ListIndex < static_cast<int>(l.Items.size()) ? l.Items[l.ListIndex]
                                                                              : std::string();
}

// The boxes into the slots: 0..18 as typed, 19 the four bank boxes joined
// with "|". A language chosen in the list is the text of box 9.
void boxesToSlots(Desk& d) {
    VeltolevForm& w = d.veltolev;
    if (w.taal.ListIndex >= 0) w.tlev[kLanguageListBox].Text = chosenLanguage(w);
    for (std::size_t i = 0; i < kBankSlot; ++i) d.st.SupplierList[i] = w.tlev[i].Text;
    std::string bank = w.tlev[kBankBox].Text;
    for (int i = 1; i < kBankBoxes; ++i) bank += "|" + w.tlev[kBankBox + i].Text;
    d.st.SupplierList[kBankSlot] = std::move(bank);
}

// The label that names box n; the house number goes by the address's.
const std::string& labelOf(const VeltolevForm& w, int box) {
    for (int k = 0; k < kProfileBoxes; ++k)
        if (kBoxOfLabel[k] == box) return w.llev[k].Caption;
    return w.llev[1].Caption;
}

bool boxesAreClean(const VeltolevForm& w) {
    for (int box = 0; box < kProfileBoxes; ++box)
        if (!breakingCharacters(w.tlev[box].Text, box >= kBankBox ? kBankBreakers : kItemBreakers)
                 .empty())
            return false;
    return true;
}

// Every box holds text that its item list (and, for the bank boxes, the
// bank slot) can carry; the first that does not is named and focused.
bool boxesCanBeStored(Desk& d) {
    VeltolevForm& w = d.veltolev;
    for (int box = 0; box < kProfileBoxes; ++box) {
        const auto breakers = box >= kBankBox ? kBankBreakers : kItemBreakers;
        if (acceptFieldText(d, w.tlev[box].Text, labelOf(w, box), breakers)) continue;
        w.form.Focus = &w.tlev[box];
        return false;
    }
    return true;
}

// Registration (ctrl 02) or update (ctrl 03). The activity log gets the
// exchange with the passwords masked.
void sendProfile(Desk& d, bool registering) {
    DeskState& s = d.st;
    const std::string items = supplierItemList(s);
    const std::string& number = s.SupplierList[kNumberSlot];
    FetchOptions unlogged = supplierWindowFetch(s.WindowFetchAllowed);
    unlogged.pointerOn = &d.veltolev.form;
    unlogged.logging = FetchLogging::Never;
    const bool fetches = s.OnlineFlag == 1 && s.WindowFetchAllowed == 1;
    s.ServerReply.clear();
    s.OperationLabel = registering ? " REGISTER (LEV) " : " UPDATE (LEV) ";
    if (registering)
        serverRequest(d, "", Script::Ctrl, 2, {{"CTR", items}}, unlogged);
    else
        serverRequest(d, "", Script::Ctrl, 3, {{"ID_LV", number}, {"CTR", items}}, unlogged);
    const std::string masked = supplierItemList(s, true);
    if (registering)
        setRequest(s, Script::Ctrl, 2, {{"CTR", masked}});
    else
        setRequest(s, Script::Ctrl, 3, {{"ID_LV", number}, {"CTR", masked}});
    if (fetches && s.LogEnabled == 1) loghandle(d);
}

}  // namespace

void veltolev_fetch(Desk& d, std::string_view label, int code,
                    std::initializer_list<QueryParam> params) {
    FetchOptions options = supplierWindowFetch(d.st.WindowFetchAllowed);
    options.pointerOn = &d.veltolev.form;
    d.st.ServerReply.clear();
    serverRequest(d, label, Script::Ctrl, code, params, options);
}

void veltolev_Load(Desk& d) {
    DeskState& s = d.st;
    VeltolevForm& w = d.veltolev;
    if (s.TrayFlag != 1) {
        veltolev_Unload(d);
        return;
    }
    w.form.Loaded = w.form.Visible = true;
    w.form.State = WindowState::Normal;
    w.form.Width = kNarrowWidth;
    w.form.Height = 8000;
    w.form.Top = 200;
    w.fr_start.Width = w.form.Width - 200;
    w.fr_start.Height = w.form.Height - 400;
    w.view.Visible = s.TestMode == 1;
    if (s.LanguageTable[108] == "OK") relabel(d);
    w.Text1.Visible = w.Text2.Visible = false;
    w.form.Caption = s.LanguageTable[6];
    w.cupdate.Enabled = false;
    w.List1.Visible = false;
    if (s.SupplierNumber == 0) {
        w.lleva.Caption = s.LanguageTable[71];
        w.lleva.Visible = true;
        s.SupplierList[kServerTextSlot].clear();
    }
    for (std::size_t i = 0; i < kBankSlot; ++i) w.tlev[i].Text = s.SupplierList[i];
    fillBankBoxes(w, s.SupplierList[kBankSlot], false);
    w.SavedHeader = w.brcod.Caption;
    veltolev_getlev(d);
    getbranche(d);
    w.List2.Items = {s.LanguageTable[109], s.LanguageTable[110], s.LanguageTable[111]};
    syncTimers(d);
    if (s.IdMismatch != 1 && s.SupplierNumber == 0 && d.os.messages)
        d.os.messages->show(s.LanguageTable[118], s.LanguageTable[104], MsgIcon::None,
                            MsgButtons::Ok);
}

void veltolev_getlev(Desk& d) {
    DeskState& s = d.st;
    VeltolevForm& w = d.veltolev;
    if (s.SupplierNumber != 0) {
        veltolev_fetch(d, " GETLEV (LEV) ", 4, {{"ID_LV", s.SupplierList[kNumberSlot]}});
        if (cutSupplierRecord(s.ServerReply,
                              std::span(s.SupplierList.data(), kServerTextSlot + 1))) {
            for (std::size_t i = 0; i < kBankSlot; ++i) w.tlev[i].Text = s.SupplierList[i];
            fillBankBoxes(w, s.SupplierList[kBankSlot], true);
            w.lcred.Caption = s.SupplierList[kCreditSlot];
        }
    }
    // An empty language names none of the list's entries (some of them are empty).
    const std::string& language = w.tlev[kLanguageListBox].Text;
    for (int i = 0; i < 9 && !language.empty(); ++i)
        if (s.LanguageTable[190 + i] == language) w.taal.ListIndex = i;
}

void veltolev_cupdate_Click(Desk& d) {
    DeskState& s = d.st;
    VeltolevForm& w = d.veltolev;
    s.IdleTicks = 0;
    if (!veltolev_passwordsAgree(d)) return;
    for (int box : kRequiredBoxes) {
        if (!w.tlev[box].Text.empty()) continue;
        d.os.messages->show(s.LanguageTable[71], "PLIX", MsgIcon::None, MsgButtons::Ok);
        return;
    }
    if (!boxesCanBeStored(d)) return;
    w.cupdate.Visible = false;
    boxesToSlots(d);
    const bool registering = s.SupplierNumber == 0;
    if (registering) s.SupplierList[kCreditSlot] = "proef";
    sendProfile(d, registering);
    if (!serverTookIt(d)) {
        w.cupdate.Visible = true;  // to try again
        return;
    }
    if (!registering) return;
    const long long number = cutRegisteredNumber(s.ServerReply);
    if (number == 0) return;
    s.SupplierNumber = number;
    s.SupplierList[kNumberSlot] = numText(number);
    w.lleva.Visible = false;
    w.lcred.Caption = s.SupplierList[kCreditSlot];  // the new member's credit state
    w.cdelete.Visible = w.cupdate.Enabled;
    s.PageOffset = 0;
    storeSupplierRecord(d);  // the new number must survive whatever comes next
}

void veltolev_cdelete_Click(Desk& d) {
    DeskState& s = d.st;
    VeltolevForm& w = d.veltolev;
    s.IdleTicks = 0;
    if (d.os.messages->show(s.LanguageTable[116], s.LanguageTable[107], MsgIcon::Critical,
                            MsgButtons::OkCancel) != MsgResult::Ok)
        return;
    veltolev_fetch(d, " DELETE (LEV) ", 8, {{"ID_LV", s.SupplierList[kNumberSlot]}});
    // Any answer will do: a membership the server no longer knows is gone too.
    if (!serverTookIt(d, false)) return;
    s.SupplierNumber = 0;
    s.SupplierList[kNumberSlot] = "       ";
    w.lleva.Caption = s.LanguageTable[104];
    w.lleva.Visible = true;
    w.cdelete.Visible = false;
    s.InboxLoaded = 0;  // the requests were the membership's: the main window says so
    s.SupplierList[kSoundSlot] = "ja";
    s.SupplierList[kGsmSlot] = "0";
    storeSupplierRecord(d);  // a restart must not bring the old number back
}

bool veltolev_c_exit_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    if (!boxesCanBeStored(d)) return false;
    s.WindowFetchAllowed = 0;
    boxesToSlots(d);
    if (s.SettingsDirty == 1) {
        storeSupplierRecord(d);
        s.SettingsDirty = 0;
    }
    s.StartupStep = 503;
    veltolev_Unload(d);
    return true;
}

void veltolev_view_Click(Desk& d) {
    d.st.IdleTicks = 0;
    d.veltolev.Text1.Visible = d.veltolev.Text2.Visible = true;
}

void veltolev_Timer1_Timer(Desk& d) {
    VeltolevForm& w = d.veltolev;
    w.Timer1.Enabled = false;
    syncTimers(d);
    if (w.form.Loaded) veltolev_getlev(d);
}

void veltolev_Unload(Desk& d) {
    VeltolevForm& w = d.veltolev;
    if (!w.form.Loaded && !w.form.Visible) return;
    // Closed by the main window (a refresh, another window): what was typed
    // is kept for the next save, when every box can be stored.
    if (w.form.Loaded && d.st.SettingsDirty == 1 && boxesAreClean(w)) boxesToSlots(d);
    w = VeltolevForm();
    syncTimers(d);
}

void veltolev_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltolev.Timer1, [&d] { veltolev_Timer1_Timer(d); });
}

}  // namespace plix
