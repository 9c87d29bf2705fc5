#include "desk/trade/veltorsp.h"

#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/trade/conversation.h"
#include "desk/trade/offer.h"
#include "desk/trade/reaction.h"
#include "desk/trade/sending.h"
#include "desk/trade/veltooff.h"

namespace plix {
namespace {

constexpr int kBlack = 0x000000;

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

bool languageLoaded(const DeskState& s) { return s.LanguageTable[108] == "OK"; }

std::string windowCaption(const DeskState& s) {
    return languageLoaded(s) ? s.LanguageTable[28] : std::string("Reactions");
}

// Command 99: the selected request, its conversation, and the offer button
// unless the request is still new.
void showRequest(Desk& d) {
    DeskState& s = d.st;
    VeltorspForm& w = d.veltorsp;
    const RequestEntry& e = s.SelectedEntry;
    takeDraftOf(d, e.number);
    w.form.Caption = windowCaption(s) + "  -  " + e.title;
    w.lvraag.Caption = e.title;
    w.ldetails.Caption = withLineBreaks(e.details);
    w.cbestel.Visible = false;

    s.ServerReply.clear();  // an old reply must not show as this conversation
    serverRequest(d, " GETREACTIONS ", Script::Chkl, 4,
                  {{"ID_LV", numText(s.SupplierNumber)}, {"RNR", e.number}}, reactionsFetch(d));
    s.ConversationFields = parseConversation(s.ServerReply);
    ConversationText shown =
        renderConversation(s.ConversationFields, s.LanguageTable[98], s.LanguageTable[99]);
    RichTextBox& list = w.list1;
    list.Font = "MS Sans Serif";
    list.TextColor = kBlack;
    list.Text = std::move(shown.text);
    list.Spans = std::move(shown.spans);
    list.SelStart = 0;

    if (e.status != "onb") w.cbestel.Visible = true;
    w.ldetails.Caption = e.time + " Details:   " + withLineBreaks(e.details);
    // Opened, a new request is new no more on the server: the list is fetched
    // once more, so that its row and the offer button follow without waiting
    // for the next change.
    if (s.ListAfterOpening && e.status == "onb") s.InboxRefreshRequest = 99;
    s.ListAfterOpening = false;
}

}  // namespace

void veltorsp_Load(Desk& d) {
    const DeskState& s = d.st;
    VeltorspForm& w = d.veltorsp;
    if (languageLoaded(s)) {
        const auto& t = s.LanguageTable;
        w.fr_rsp.Caption = t[27];
        w.lrsp.Caption = t[26];
        w.csend.Caption = t[29];
        w.cbestel.Caption = t[17];
        w.cdelete.Caption = t[13];
        w.cexit.Caption = t[12];
    }
    w.form.Caption = windowCaption(s);
    w.Timer1.Enabled = true;
    w.Timer2.Enabled = true;
    w.form.Loaded = true;
    w.form.Visible = true;
    syncTimers(d);
}

void veltorsp_Timer1_Timer(Desk& d) {
    d.veltorsp.Timer1.Enabled = false;
    syncTimers(d);
}

void veltorsp_Timer2_Timer(Desk& d) {
    DeskState& s = d.st;
    if (!d.veltorsp.form.Loaded) return;
    if (s.ReactionsCommand == kReloadRequest) {
        s.ReactionsCommand = 0;
        showRequest(d);
    }
    // The offer waits in its own variable, so a reload asked for meanwhile
    // cannot push it aside.
    if (s.ReactionsCommand == kSendOffer) s.ReactionsCommand = 0;
    sendPendingOffer(d);
}

void veltorsp_list1_KeyPress(Desk& d) { d.veltorsp.form.Focus = &d.veltorsp.treact; }

void veltorsp_cbestel_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    gettrans(d);
    veltooff_Load(d);
    FormControl& offer = d.veltooff.form;
    offer.Left = 100;
    offer.Top = 400;
    offer.Height = d.velto.form.Height + 200;
    offer.Width = d.velto.form.Width;
    d.veltooff.Timer2.Enabled = true;
    syncTimers(d);
}

void veltorsp_cdelete_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    serverRequest(d, " DELETE ", Script::Chkl, 7,
                  {{"ID_LV", numText(s.SupplierNumber)}, {"RNR", s.SelectedEntry.number}},
                  reactionsFetch(d));
    dropDraftOf(d, s.SelectedEntry.number);
    if (s.AcceptedCount == 1) {
        s.AcceptedCount = 0;
        s.PreviousHeldCount = 0;
    }
    s.PageOffset = 0;
    s.InboxRefreshRequest = 99;
    veltorsp_Unload(d);
}

void veltorsp_cexit_Click(Desk& d) {
    veltorsp_Unload(d);
    veltooff_Unload(d);
}

void veltorsp_Unload(Desk& d) {
    VeltorspForm& w = d.veltorsp;
    sendPendingOffer(d);
    if (!w.form.Loaded && !w.form.Visible) return;
    keepDraft(d);
    w.Timer1.Enabled = false;
    w.Timer2.Enabled = false;
    w.list1.Text.clear();
    w.list1.Spans.clear();
    w.form.Visible = false;
    w.form.Loaded = false;
    syncTimers(d);
}

void veltorsp_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltorsp.Timer1, [&d] { veltorsp_Timer1_Timer(d); });
    s.attach(d.veltorsp.Timer2, [&d] { veltorsp_Timer2_Timer(d); });
}

}  // namespace plix
