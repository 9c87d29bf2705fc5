#include "desk/inbox/server_message.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "desk/core/settings.h"
#include "desk/core/number.h"
#include "desk/net/disconnect.h"
#include "desk/net/protocol.h"

namespace plix {
namespace {

constexpr int kPlainMessage = 0, kQuitOrder = 1, kDisconnectOrder = 2;

// The quit order ends the program at once, but settings the user changed
// and has not saved yet are written first.
void endAtOnce(Desk& d) {
    savedat(d);
    VeltoForm& f = d.velto;
    for (TimerControl* t : {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer4, &f.Timer5, &f.Timer6})
        t->Enabled = false;
    if (d.os.scheduler) d.os.scheduler->sync();
    d.st.ProgramEnded = true;
}

}  // namespace

bool messageInHand(const DeskState& s, std::string_view text) {
    return (s.MessageBoxOpen == 1 && text == s.MessageShown) ||
           std::find(s.HeldMessages.begin(), s.HeldMessages.end(), text) != s.HeldMessages.end();
}

namespace {

// Shows one message (raw: the text after "MESS") and carries out its code.
void showServerMessage(Desk& d, const std::string& raw) {
    DeskState& s = d.st;
    std::string text = raw;
    s.ServerCommand = kPlainMessage;
    if (text.size() >= 4 && text[0] == 'Q' && text[3] == 'Q') {
        if (text.starts_with("QC1Q")) s.ServerCommand = kQuitOrder;
        if (text.starts_with("QC2Q")) s.ServerCommand = kDisconnectOrder;
        text.erase(0, 4);
    }

    s.MessageBoxOpen = 1;
    s.MessageShown = raw;
    d.os.messages->show(text, s.LanguageTable[89], MsgIcon::None, MsgButtons::Ok);
    s.MessageBoxOpen = 0;
    s.MessageShown.clear();

    if (s.ServerCommand == kPlainMessage)
        serverRequest(d, "", Script::Ctrl, 11, {{"ID_LV", numText(s.SupplierNumber)}});
    if (s.ServerCommand == kQuitOrder) endAtOnce(d);
    if (s.ServerCommand == kDisconnectOrder) {
        d.st.IdleTicks = 0;
        disconnect(d);
        d.velto.recon.Enabled = false;   // neither the user nor Timer3 reconnects in this run
    }
}

}  // namespace

void msghandle(Desk& d) {
    DeskState& s = d.st;
    const std::string_view reply = s.ServerReply;
    const std::size_t at = reply.find("MESS");
    const std::string raw = at == std::string_view::npos ? std::string() : std::string(reply.substr(at + 4));
    // A poll that runs while the box is open finds the same message still
    // waiting: it is on screen already and is acknowledged when the box closes.
    if (messageInHand(s, raw)) return;
    // Another box is waiting for the user: this one waits its turn. It is kept,
    // not dropped, since the server retires an order once it delivered it.
    if (anyBoxOpen(d.os.messages)) {
        s.HeldMessages.push_back(raw);
        return;
    }
    showServerMessage(d, raw);
    handleHeldMessages(d);
}

void handleHeldMessages(Desk& d) {
    DeskState& s = d.st;
    while (!s.HeldMessages.empty() && !s.ProgramEnded && !anyBoxOpen(d.os.messages)) {
        const std::string raw = std::move(s.HeldMessages.front());
        s.HeldMessages.erase(s.HeldMessages.begin());
        showServerMessage(d, raw);
    }
}

}  // namespace plix
