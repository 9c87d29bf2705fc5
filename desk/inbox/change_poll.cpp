#include "desk/inbox/change_poll.h"

#include <string_view>

#include "desk/core/alerts.h"
#include "desk/core/number.h"
#include "desk/inbox/inbox.h"
#include "desk/inbox/server_message.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/net/transport.h"

namespace plix {
namespace {

// Takes the mark after key (up to the next "]", empty without one) and
// reports whether it differs from the one kept.
bool takeMark(std::string_view reply, std::string_view key, std::string& kept) {
    const std::optional<std::string_view> mark = valueToBracket(reply, key);
    if (!mark || *mark == kept) return false;
    kept = std::string(*mark);
    return true;
}

}  // namespace

void getchange(Desk& d) {
    DeskState& s = d.st;
    GetCacheURLList(d);   // no stale copy of the marks may answer
    const std::string id = numText(s.SupplierNumber);
    serverRequest(d, " GETCHANGE ", Script::Chkl, 3,
                  {{"ID_LV", id}, {"TPR", s.RequestMark}, {"TQR", s.ReactionMark}});

    const std::string_view reply = s.ServerReply;
    bool changed = takeMark(reply, "TV=", s.RequestMark);
    changed = takeMark(reply, "TR=", s.ReactionMark) || changed;
    // A message whose box is still open, or that waits its turn, is no news: the poll goes on as if
    // it had not been reported.
    const std::optional<std::string_view> waiting = afterMarker(reply, "MESS");
    const bool message = waiting && !messageInHand(s, *waiting);
    if (!changed && !message) return;

    // The first change of a run only loads the list; later ones call the user.
    if (s.ChangeSeen == 1 && s.Disconnected != 1) {
        showMainWindow(d);
        s.IdleTicks = 0;
        if (message) {
            msghandle(d);
            if (s.ProgramEnded) return;
        }
    }
    Stop_Sound(d);
    s.SoundArmed = 1;
    s.ChangeSeen = 1;
    getvraag(d);
}

void deleteold(Desk& d) {
    DeskState& s = d.st;
    s.OperationLabel = " DELETE OLD ";
    // The URL is composed directly: RequestQuery keeps the previous query.
    s.RequestUrl = buildUrl(s.ServerHost, Script::Chkl, buildQuery(1, {{"ID_LV", numText(s.SupplierNumber)}}));
    geturl(d);
}

}  // namespace plix
