#include "desk/chat/veltochatl.h"

#include "desk/chat/chat_reply.h"
#include "desk/lang/language_table.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "text/cp1252.h"

namespace plix {
namespace {

void syncTimers(Desk& d) {
    if (d.os.scheduler) d.os.scheduler->sync();
}

// One chat exchange through the chat window's fetch. Offline nothing is
// fetched: the reply is emptied first, so no earlier exchange's reply is read
// as the chat's.
void chatRequest(Desk& d, std::string_view label, int code,
                 std::initializer_list<QueryParam> params) {
    FetchOptions options = chatWindowFetch();
    options.pointerOn = &d.veltochatl.form;
    d.st.ServerReply.clear();
    serverRequest(d, label, Script::Chkl, code, params, options);
}

// The window's name for the chat ("Direct chat"). German writes its nouns
// with a capital, so the lower-cased form keeps them there.
std::string chatWord(const DeskState& s) {
    return withoutAccelerator(entryOr(s, 100, "&Direct chat"));
}
std::string chatWordInText(const DeskState& s) {
    const bool german = s.CurrentLanguage >= 1 && s.CurrentLanguage < 5 &&
                        s.LanguageCodes[s.CurrentLanguage] == "de";
    return german ? chatWord(s) : lower1252(chatWord(s));
}

// The block button's two captions; they must differ for the button to know
// which it offers.
std::string blockCaption(const DeskState& s) { return entryOr(s, 18, "&Blokkeer"); }
std::string unblockCaption(const DeskState& s) {
    const std::string& unblock = entryOr(s, 16, "&Deblokkeer");
    return unblock == blockCaption(s) ? std::string("&Deblokkeer") : unblock;
}

void showNoContacts(Desk& d) {
    d.veltochatl.lmessage.Caption = entryOr(d.st, 97, "No") + " " + chatWordInText(d.st);
}

void showConversationControls(VeltochatlForm& w, bool visible) {
    for (Control* c : {static_cast<Control*>(&w.lchat), static_cast<Control*>(&w.cblock),
                       static_cast<Control*>(&w.tchat), static_cast<Control*>(&w.csend)})
        c->Visible = visible;
}

void showConversation(VeltochatlForm& w, const Conversation& c) {
    w.lchat.Text = c.text;
    w.lchat.Spans = c.spans;
    w.lchat.SelStart = static_cast<int>(c.text.size());  // the newest line in view
}

void showBlocked(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    w.cblock.Caption = unblockCaption(d.st);
    w.lchat.Text = w.form.Caption + " " + lower1252(entryOr(d.st, 117, "Blocked"));
    w.lchat.Spans = {chatSpan(0, w.lchat.Text.size(), kChatBlockedColour, true)};
    w.lchat.SelStart = 0;
}

}  // namespace

void veltochatl_Load(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    const auto& t = d.st.LanguageTable;
    w.form.Loaded = true;
    w.form.Visible = true;
    w.form.State = WindowState::Normal;
    if (t[108] == "OK") {
        w.form.Caption = chatWord(d.st);
        w.cververs.Caption = t[90].substr(0, t[90].find(' '));
        w.cexit.Caption = t[12];
        w.csend.Caption = t[29];
        w.cblock.Caption = t[18];
    }
    w.Timer1.Enabled = true;
    w.Timer2.Enabled = true;
    syncTimers(d);
    getcontact(d);
    if (!w.ContactsPresent) {
        showNoContacts(d);
        return;
    }
    w.Combo1.ListIndex = 0;
    veltochatl_Combo1_Click(d);
}

void getcontact(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    d.st.IdleTicks = 0;
    chatRequest(d, " CONTACTCHAT ", 13, {{"ID_LV", d.st.SupplierList[30]}});
    w.Combo1.Items.clear();
    w.Combo1.ListIndex = -1;
    w.ContactsPresent = false;
    if (hasMarker(d.st.ServerReply, "[")) {
        w.Combo1.Visible = true;
        w.Combo1.Items = chatFields(d.st.ServerReply);
        w.ContactsPresent = !w.Combo1.Items.empty();
    }
    showConversationControls(w, w.ContactsPresent);
    if (!w.ContactsPresent) showNoContacts(d);
}

void veltochatl_Combo1_Click(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    w.CurrentContact = w.Combo1.Text();
    if (!w.CurrentContact.empty()) {
        showConversationControls(w, true);
        w.lmessage.Caption = upper1252(chatWord(d.st)) + " " + w.CurrentContact;
    }
    forceer(d);
    getchat(d);
}

void getchat(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    chatRequest(d, " GETCHAT ", 15, {{"ID_AV", w.CurrentContact}});
    if (hasMarker(d.st.ServerReply, "[")) {
        for (Control* c : {static_cast<Control*>(&w.tchat), static_cast<Control*>(&w.lchat),
                           static_cast<Control*>(&w.lmessage), static_cast<Control*>(&w.csend)})
            c->Visible = true;
        w.Fields = chatFields(d.st.ServerReply);
        showConversation(w, conversationOf(w.Fields));
    }
    w.cblock.Caption = blockCaption(d.st);
    if (w.Fields.size() > 2 && w.Fields[2] == "Blocked") showBlocked(d);
}

void forceer(Desk& d) { chatRequest(d, " FORCEER CHAT ", 16, {{"ID_LV", d.st.SupplierList[30]}}); }

void veltochatl_csend_Click(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    d.st.IdleTicks = 0;
    chatRequest(d, {}, 14, {{"ID_AV", w.CurrentContact}, {"TXT", w.tchat.Text}});
    getchat(d);
    w.tchat.Text.clear();
    w.form.Focus = &w.tchat;
}

void veltochatl_cblock_Click(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    d.st.IdleTicks = 0;
    const bool block = w.cblock.Caption != unblockCaption(d.st);
    w.cblock.Caption = block ? unblockCaption(d.st) : blockCaption(d.st);
    chatRequest(d, {}, 17, {{"ID_AV", w.CurrentContact}, {"B", block ? "Blocked" : ""}});
    w.tchat.Text = "****";
    veltochatl_csend_Click(d);
}

void veltochatl_cververs_Click(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    getcontact(d);
    w.Combo1.ListIndex = w.Combo1.Items.empty() ? -1 : 0;
    veltochatl_Combo1_Click(d);
}

void veltochatl_cexit_Click(Desk& d) { veltochatl_Unload(d); }

void veltochatl_tchat_KeyDown(Desk& d) { d.st.IdleTicks = 0; }

void veltochatl_Timer1_Timer(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    w.Timer1.Enabled = false;
    syncTimers(d);
    if (w.form.Loaded && w.tchat.Visible) w.form.Focus = &w.tchat;
}

// Without a contact there is no conversation to ask for.
void veltochatl_Timer2_Timer(Desk& d) {
    if (d.veltochatl.form.Loaded && !d.veltochatl.CurrentContact.empty()) getchat(d);
}

void veltochatl_Unload(Desk& d) {
    VeltochatlForm& w = d.veltochatl;
    if (!w.form.Loaded && !w.form.Visible) return;
    w.Timer1.Enabled = false;
    w.Timer2.Enabled = false;
    w.form.Visible = false;
    w.form.Loaded = false;
    w.Combo1.Items.clear();
    w.Combo1.ListIndex = -1;
    w.CurrentContact.clear();
    w.ContactsPresent = false;
    w.Fields.clear();
    w.lchat.Text.clear();
    w.lchat.Spans.clear();
    w.tchat.Text.clear();
    syncTimers(d);
}

void veltochatl_Timers(Desk& d, Scheduler& s) {
    s.attach(d.veltochatl.Timer1, [&d] { veltochatl_Timer1_Timer(d); });
    s.attach(d.veltochatl.Timer2, [&d] { veltochatl_Timer2_Timer(d); });
}

}  // namespace plix
