#include "desk/trade/reaction.h"

#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/trade/sending.h"
#include "desk/trade/veltorsp.h"

namespace plix {

void keepDraft(Desk& d) {
    DeskState& s = d.st;
    const std::string& text = d.veltorsp.treact.Text;
    if (s.DraftRequest.empty()) return;
    if (text.empty())
        s.ReactionDrafts.erase(s.DraftRequest);
    else
        s.ReactionDrafts[s.DraftRequest] = text;
}

void takeDraftOf(Desk& d, const std::string& number) {
    DeskState& s = d.st;
    keepDraft(d);
    const auto kept = s.ReactionDrafts.find(number);
    d.veltorsp.treact.Text = kept == s.ReactionDrafts.end() ? std::string() : kept->second;
    s.DraftRequest = number;
}

void dropDraftOf(Desk& d, const std::string& number) {
    DeskState& s = d.st;
    s.ReactionDrafts.erase(number);
    if (s.DraftRequest == number) d.veltorsp.treact.Text.clear();
}

void veltorsp_csend_Click(Desk& d) {
    DeskState& s = d.st;
    VeltorspForm& w = d.veltorsp;
    s.IdleTicks = 0;
    w.form.Focus = &w.treact;
    // Nothing typed: nothing to send (the server would refuse an empty reaction).
    if (w.treact.Text.find_first_not_of(" \t\r\n") == std::string::npos) return;
    const RequestEntry& e = s.SelectedEntry;
    const std::string query = buildQuery(5, {{"ID_LV", numText(s.SupplierNumber)},
                                             {"RNR", e.number},
                                             {"AID", e.requester},
                                             {"TXT", w.treact.Text}});
    const SendOutcome outcome = sendToServer(d, " SEND REACTION ", query);
    if (!outcome.taken) {
        tellNotSent(d, "Your reaction", outcome,
                    "It is still in the box: send it again when the server can be reached.");
        return;
    }
    dropDraftOf(d, e.number);
    w.treact.Text.clear();
    s.InboxRefreshRequest = 99;
}

void veltorsp_treact_KeyDown(Desk& d) { d.st.IdleTicks = 0; }

}  // namespace plix
