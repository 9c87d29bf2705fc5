#include "desk/trade/veltooff.h"

#include <algorithm>

#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/trade/offer.h"
#include "desk/trade/veltorsp.h"

namespace plix {
namespace {

constexpr int kListEntries[3] = {kPaymentEntries, kDeliveryEntries, kShippingEntries};

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

// A real choice: not the prompt line, not the empty line that ends a list.
bool chosen(const ComboBox& list) { return list.ListIndex > 0 && !list.Text().empty(); }

bool complete(const VeltooffForm& w) {
    return !w.tsub.Text.empty() && !w.tbedrag.Text.empty() && chosen(w.coff[0]) &&
           chosen(w.coff[1]) && !deliveryCode(w.coff[1].ListIndex).empty() && chosen(w.coff[2]);
}

// The entries of one range in order, up to and with the first empty one.
void fillList(ComboBox& list, const std::array<std::string, 301>& table, int first) {
    list.Items.clear();
    for (int i = 0; i < 10; ++i) {
        list.Items.push_back(table[first + i]);
        if (table[first + i].empty()) break;
    }
    list.ListIndex = 0;
}

void chooseVat(VeltooffForm& w, bool inclusive) {
    w.optbtw[0].Value = inclusive;
    w.optbtw[1].Value = !inclusive;
}

std::string withoutFirst(const std::string& caption) {
    return caption.empty() ? caption : caption.substr(1);
}

}  // namespace

void veltooff_Load(Desk& d) {
    DeskState& s = d.st;
    VeltooffForm& w = d.veltooff;
    const auto& t = s.LanguageTable;
    offerChoiceDefaults(s);
    std::string caption = "Offerform";
    if (t[108] == "OK") {
        for (int i = 0; i < 6; ++i) w.loff[i].Caption = t[150 + i];
        w.cexit.Caption = t[12];
        w.cconfirm.Caption = t[157];
        w.fr_offer.Caption = t[158];
        caption = t[158];
    }
    w.form.Caption = caption + "  -  " + s.SelectedEntry.title;
    for (int k = 0; k < 3; ++k) fillList(w.coff[k], t, kListEntries[k]);
    w.tsub.Text.clear();
    w.tbedrag.Text.clear();
    chooseVat(w, false);
    w.cconfirm.Enabled = false;
    w.Timer1.Enabled = true;
    w.Timer2.Enabled = false;
    w.form.Loaded = true;
    w.form.Visible = true;
    syncTimers(d);
}

void veltooff_Timer1_Timer(Desk& d) {
    VeltooffForm& w = d.veltooff;
    w.cconfirm.Enabled = complete(w);
}

void veltooff_Timer2_Timer(Desk& d) {
    const DeskState& s = d.st;
    VeltooffForm& w = d.veltooff;
    w.Timer2.Enabled = false;
    syncTimers(d);
    const int i = std::clamp(s.SelectedRequest, 0, kMaxRequests - 1);
    const OfferRow& row = s.OfferFields[i];
    const ChoiceRow& choices = s.OfferChoices[i];
    for (int k = 0; k < 3; ++k) {
        ComboBox& list = w.coff[k];
        list.ListIndex = choices[k] < static_cast<int>(list.Items.size()) ? choices[k] : 0;
    }
    w.tsub.Text = row[1];
    w.tbedrag.Text = row[2];
    if (choices[3] == 1) chooseVat(w, true);
}

void veltooff_cconfirm_Click(Desk& d) {
    DeskState& s = d.st;
    VeltooffForm& w = d.veltooff;
    s.IdleTicks = 0;
    if (!complete(w)) return;  // a click that came before Timer1 disabled the button
    const bool inclusive = w.optbtw[0].Value;
    PendingOffer offer;
    offer.state = PendingOffer::State::Waiting;
    offer.index = std::clamp(s.SelectedRequest, 0, kMaxRequests - 1);
    offer.request = s.SelectedEntry;
    offer.fields = {"",
                    w.tsub.Text,
                    w.tbedrag.Text,
                    withoutFirst(w.optbtw[inclusive ? 0 : 1].Caption),
                    w.coff[0].Text(),
                    deliveryCode(w.coff[1].ListIndex),
                    w.coff[2].Text()};
    offer.choices = {w.coff[0].ListIndex, w.coff[1].ListIndex, w.coff[2].ListIndex,
                     inclusive ? 1 : 0, 0};
    const OfferRow& f = offer.fields;
    offer.query = buildQuery(6, {{"ID_LV", numText(s.SupplierNumber)},
                                 {"RNR", offer.request.number},
                                 {"A", f[2]},
                                 {"B", f[3]},
                                 {"C", f[1]},
                                 {"D", "<" + f[4] + "><" + f[5] + "><" + f[6] + ">"}});
    offer.record = offerRecord(offer.request, f, w.coff[1].Text(), todayText());
    s.OfferToSend = std::move(offer);
    s.ReactionsCommand = kSendOffer;
    veltooff_Unload(d);
    s.StartupStep = 503;
}

void veltooff_Input(Desk& d) { d.st.IdleTicks = 0; }

void veltooff_cexit_Click(Desk& d) { veltooff_Unload(d); }

void veltooff_Unload(Desk& d) {
    VeltooffForm& w = d.veltooff;
    if (!w.form.Loaded && !w.form.Visible) return;
    w.Timer1.Enabled = false;
    w.Timer2.Enabled = false;
    w.tsub.Text.clear();
    w.tbedrag.Text.clear();
    w.form.Visible = false;
    w.form.Loaded = false;
    syncTimers(d);
}

void veltooff_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltooff.Timer1, [&d] { veltooff_Timer1_Timer(d); });
    s.attach(d.veltooff.Timer2, [&d] { veltooff_Timer2_Timer(d); });
}

}  // namespace plix
