#include "desk/trade/sending.h"

#include "desk/net/protocol.h"

namespace plix {
namespace {

constexpr std::size_t kReasonLimit = 200;

std::string whyNotTaken(const DeskState& s) {
    const std::string& reply = s.ServerReply;
    if (s.OnlineFlag != 1) return "there is no connection to the server";
    if (reply.empty()) return "the server did not answer";
    if (reply.rfind("Error", 0) == 0) {
        const std::size_t text = reply.find("<br>");
        std::string reason = text == std::string::npos ? reply : reply.substr(text + 4);
        if (reason.size() > kReasonLimit) reason.resize(kReasonLimit);
        return "the server refused it (" + reason + ")";
    }
    return "the server did not confirm it";
}

}  // namespace

FetchOptions reactionsFetch(Desk& d) {
    FetchOptions options = reactionsWindowFetch();
    options.pointerOn = &d.veltorsp.form;
    return options;
}

SendOutcome sendToServer(Desk& d, std::string_view label, const std::string& query) {
    DeskState& s = d.st;
    s.OperationLabel = label;
    s.RequestQuery = query;
    s.RequestUrl = buildUrl(s.ServerHost, Script::Chkl, query);
    s.ServerReply.clear();
    geturl(d, reactionsFetch(d));
    if (s.OnlineFlag == 1 && s.ServerReply.rfind("OK", 0) == 0) return {true, {}};
    return {false, whyNotTaken(s)};
}

void tellNotSent(Desk& d, std::string_view what, const SendOutcome& outcome,
                 std::string_view whatNow) {
    if (!d.os.messages) return;
    std::string text(what);
    text += " was not sent: ";
    text += outcome.why;
    text += ".\n";
    text += whatNow;
    d.os.messages->show(text, messageTitle(d.st), MsgIcon::Exclamation, MsgButtons::Ok);
}

std::string messageTitle(const DeskState& s) {
    return s.LanguageTable[89].empty() ? std::string("PLIX") : s.LanguageTable[89];
}

}  // namespace plix
