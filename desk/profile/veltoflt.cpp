#include "desk/profile/veltoflt.h"

#include <algorithm>

#include "desk/core/number.h"
#include "desk/core/settings.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/profile/framing.h"
#include "desk/profile/supplier.h"

namespace plix {
namespace {

constexpr std::size_t kWordsWidth = 512;  // each half of pxflt.dat
constexpr std::size_t kBlockedPlace1 = 15, kBlockedPlace2 = 16, kBlockedCountries = 17;
constexpr int kLanguageCountries = 9;  // boxes 0..8, one for each interface language

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

FetchOptions filterFetch(Desk& d) {
    FetchOptions o = filterWindowFetch(d.st.WindowFetchAllowed);
    o.pointerOn = &d.veltoflt.form;
    return o;
}

void relabel(Desk& d) {
    const auto& t = d.st.LanguageTable;
    VeltofltForm& w = d.veltoflt;
    w.fr_start.Caption = t[22];
    w.Label1.Caption = t[23];
    w.Label2.Caption = t[24];
    w.Label3.Caption = t[25];
    w.brcod.Caption.clear();
    w.cupdate.Caption = t[11];
    w.cexit.Caption = t[12];
    w.frland.Caption = t[23] + " " + t[42] + "/" + t[44];
    for (int i = 0; i < kCountryBoxes; ++i) w.chkland[i].Caption = t[190 + i];
}

// A country without a name cannot be chosen, unless the settings block it.
void showNamedCountries(VeltofltForm& w) {
    for (auto& box : w.chkland) box.Visible = !box.Caption.empty() || box.Value == 1;
}

std::string wordsAt(const std::string& record, std::size_t from) {
    return stripsp(std::string_view(record).substr(from, kWordsWidth));
}

void storeWords(std::string& record, std::size_t from, std::string_view words) {
    record.replace(from, kWordsWidth,
                   std::string(words.substr(0, kWordsWidth))
                       .append(kWordsWidth - std::min(words.size(), kWordsWidth), ' '));
}

// The word boxes into FilterRecord, each cut at 512 characters.
void takeWords(Desk& d) {
    std::string& record = d.st.FilterRecord;
    record.assign(kRecordSize, ' ');
    storeWords(record, 0, d.veltoflt.tsper.Text);
    storeWords(record, kWordsWidth, d.veltoflt.tdoorlaat.Text);
}

bool placesCanBeStored(const VeltofltForm& w, std::size_t i) {
    return breakingCharacters(w.tplaats[i].Text, kItemBreakers).empty();
}

bool wordsCanBeSent(Desk& d) {
    VeltofltForm& w = d.veltoflt;
    if (!acceptFieldText(d, w.tsper.Text, w.Label1.Caption)) {
        w.form.Focus = &w.tsper;
        return false;
    }
    if (!acceptFieldText(d, w.tdoorlaat.Text, w.Label2.Caption)) {
        w.form.Focus = &w.tdoorlaat;
        return false;
    }
    return true;
}

bool boxesCanBeStored(Desk& d) {
    VeltofltForm& w = d.veltoflt;
    if (!wordsCanBeSent(d)) return false;
    for (auto& box : w.tplaats) {
        if (acceptFieldText(d, box.Text, w.frland.Caption)) continue;
        w.form.Focus = &box;
        return false;
    }
    return true;
}

// The title of the close question: the Filters menu's caption (entry 4 of
// the language, or the menu's own) without its marker.
std::string questionTitle(const Desk& d) {
    const std::string& entry = d.st.LanguageTable[4];
    std::string title = entry.empty() ? d.velto.filter.Caption : entry;
    std::erase(title, '&');
    return title;
}

}  // namespace

std::optional<FilterReply> cutFilterReply(std::string_view reply) {
    const std::size_t marker = markerPos(reply, "QFILT=");
    if (marker == 0) return std::nullopt;
    std::string_view rest = fromPosition(reply, marker + 10);
    FilterReply fields;
    for (std::optional<std::string>* field : {&fields.block, &fields.pass, &fields.number}) {
        const std::size_t end = rest.find("<br>");
        if (end == std::string_view::npos) break;
        *field = std::string(rest.substr(0, end));
        rest.remove_prefix(end + 4);
    }
    return fields;
}

void veltoflt_Load(Desk& d) {
    DeskState& s = d.st;
    VeltofltForm& w = d.veltoflt;
    s.FilterArmed = 0;
    if (s.TrayFlag != 1) {
        veltoflt_Unload(d);
        return;
    }
    w.form.Loaded = w.form.Visible = true;
    w.form.State = WindowState::Normal;
    if (s.LanguageTable[108] == "OK") relabel(d);
    w.form.Caption = s.LanguageTable[8];
    w.form.Height = w.fr_start.Height + 450;
    w.form.Width = w.fr_start.Width + 300;
    w.form.Left = w.form.Top = 600;
    w.tsper.Text = wordsAt(s.FilterRecord, 0);
    w.tdoorlaat.Text = wordsAt(s.FilterRecord, kWordsWidth);
    getfilter(d);
    long long v = valInt(s.SystemList[kBlockedCountries]);
    long long p = 1000000000;
    for (int i = kCountryBoxes - 1; i >= 0; --i, p /= 10) {
        w.chkland[i].Value = 0;
        if (v < p) continue;
        w.chkland[i].Value = 1;
        v -= p;
    }
    showNamedCountries(w);
    w.tplaats[0].Text = s.SystemList[kBlockedPlace1];
    w.tplaats[1].Text = s.SystemList[kBlockedPlace2];
    w.PlacesAtOpen = {s.SystemList[kBlockedPlace1], s.SystemList[kBlockedPlace2],
                      s.SystemList[kBlockedCountries]};
    w.Timer1.Enabled = true;
    syncTimers(d);
}

void getfilter(Desk& d) {
    DeskState& s = d.st;
    VeltofltForm& w = d.veltoflt;
    s.ServerReply.clear();
    serverRequest(d, " GETFILTER ", Script::Ctrl, 6, {{"ID_LV", s.SupplierList[kNumberSlot]}},
                  filterFetch(d), "&=&=");
    const std::optional<FilterReply> reply = cutFilterReply(s.ServerReply);
    if (!reply) {
        w.lleva.Caption = s.LanguageTable[106];
        w.lleva.Visible = true;
        w.form.Caption = s.LanguageTable[9];
        w.cupdate.Enabled = false;
        return;
    }
    w.cupdate.Enabled = true;
    w.brcod.Caption.clear();
    if (reply->number && *reply->number != s.SupplierList[kNumberSlot])
        w.brcod.Caption = s.LanguageTable[113];
    if (reply->block) w.tsper.Text = *reply->block;
    if (reply->pass) w.tdoorlaat.Text = *reply->pass;
    s.FilterState = 2;
}

void makefilter(Desk& d) {
    DeskState& s = d.st;
    VeltofltForm& w = d.veltoflt;
    if (s.FilterArmed != 1) return;
    s.SettingsDirty = 1;
    int languages = 0;
    for (int i = 0; i < kLanguageCountries; ++i) languages += w.chkland[i].Value == 1;
    if (languages == kLanguageCountries) {
        const int own = std::clamp(s.CurrentLanguage, 1, kLanguageCountries) - 1;
        w.chkland[own].Value = 0;
    }
    long long mask = 0, weight = 1;
    for (int i = 0; i < kCountryBoxes; ++i, weight *= 10) {
        s.CountryBlock[i] = -1;
        if (w.chkland[i].Value != 1) continue;
        mask += weight;
        s.CountryBlock[i] = i + 1;
    }
    s.SystemList[kBlockedCountries] = numText(mask);
    // A place that would break the settings record is not taken; the close
    // names it.
    if (placesCanBeStored(w, 0)) s.SystemList[kBlockedPlace1] = w.tplaats[0].Text;
    if (placesCanBeStored(w, 1)) s.SystemList[kBlockedPlace2] = w.tplaats[1].Text;
}

void veltoflt_Timer1_Timer(Desk& d) {
    VeltofltForm& w = d.veltoflt;
    w.Timer1.Enabled = false;
    syncTimers(d);
    if (w.form.Loaded) d.st.FilterArmed = 1;
}

void veltoflt_chkland_Click(Desk& d, int) { makefilter(d); }

void veltoflt_tplaats_Change(Desk& d, int) {
    d.st.SettingsDirty = 1;
    d.veltoflt.cupdate.Visible = true;
    makefilter(d);
}

void veltoflt_words_Change(Desk& d) {
    d.st.FilterState = 1;
    d.veltoflt.cupdate.Visible = true;
}

void veltoflt_words_KeyPress(Desk&, int& KeyAscii) {
    if (KeyAscii == kEnterKey) KeyAscii = 0;  // the words stay on one line
}

void veltoflt_words_KeyDown(Desk& d) { d.st.IdleTicks = 0; }

void veltoflt_cupdate_Click(Desk& d) {
    DeskState& s = d.st;
    VeltofltForm& w = d.veltoflt;
    if (!wordsCanBeSent(d)) return;
    makefilter(d);
    w.cupdate.Visible = false;
    s.ServerReply.clear();
    serverRequest(d, " SENDFILTER ", Script::Ctrl, 7,
                  {{"ID_LV", s.SupplierList[kNumberSlot]},
                   {"CTR", "<" + w.tsper.Text + "><" + w.tdoorlaat.Text + ">"}},
                  filterFetch(d));
    if (!serverTookIt(d)) {
        w.cupdate.Visible = true;  // to try again
        return;
    }
    s.FilterState = 2;
    takeWords(d);  // the local copy is what the server now holds
    s.PageOffset = 0;
    s.StartupStep = 503;
}

bool veltoflt_cexit_Click(Desk& d) {
    DeskState& s = d.st;
    VeltofltForm& w = d.veltoflt;
    if (!boxesCanBeStored(d)) return false;
    takeWords(d);
    bool keep = true;
    if (s.SettingsDirty != 0 || s.FilterState > 0) {
        if (s.SettingsDirty != 0 || s.FilterState == 1) {
            keep = d.os.messages->show(s.LanguageTable[114], questionTitle(d), MsgIcon::None,
                                       MsgButtons::YesNo) == MsgResult::Yes;
            s.StartupStep = 503;
        } else {
            s.FilterState = 1;  // the server's copy becomes the local one
        }
    }
    if (keep) {
        makefilter(d);
    } else {
        // Not kept: neither the words nor the places and countries.
        s.FilterState = 0;
        s.SystemList[kBlockedPlace1] = w.PlacesAtOpen[0];
        s.SystemList[kBlockedPlace2] = w.PlacesAtOpen[1];
        s.SystemList[kBlockedCountries] = w.PlacesAtOpen[2];
        decodeCountryBlock(s);
    }
    savedat(d);
    veltoflt_Unload(d);
    return true;
}

void veltoflt_Unload(Desk& d) {
    VeltofltForm& w = d.veltoflt;
    d.st.FilterArmed = 0;
    if (!w.form.Loaded && !w.form.Visible) return;
    // Closed by the main window (a refresh, another window): typed words are
    // kept for the next save rather than lost.
    if (w.form.Loaded && d.st.FilterState == 1) takeWords(d);
    w = VeltofltForm();
    w.Timer1.Enabled = false;  // on again at the next opening
    syncTimers(d);
}

void veltoflt_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltoflt.Timer1, [&d] { veltoflt_Timer1_Timer(d); });
}

}  // namespace plix
