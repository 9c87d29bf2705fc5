#include "desk/velto/hide_show.h"

#include <algorithm>
#include <string>
#include <vector>

#include "desk/core/number.h"
#include "desk/net/protocol.h"

namespace plix {
namespace {

void restartFromFirstPage(DeskState& s) {
    s.PageOffset = 0;
    s.StartupStep = 503;
}

}  // namespace

void deleteall(Desk& d) {
    DeskState& s = d.st;
    // Only records this run actually holds are sent: a count from the server
    // larger than the list must not reach stale slots of an earlier fetch.
    // The numbers are taken first: a fetch lets other handlers run, and a
    // poll among them may refill the inbox.
    const int held = std::max(0, std::min({s.HeldCount, s.AcceptedCount, kMaxRequests}));
    std::vector<std::string> numbers;
    for (int i = 0; i < held; ++i) numbers.push_back(s.Requests[i].number);
    const std::string id = numText(s.SupplierNumber);
    for (const std::string& number : numbers)
        serverRequest(d, "", Script::Chkl, 7, {{"ID_LV", id}, {"RNR", number}});
    restartFromFirstPage(s);
}

void toonall(Desk& d) {
    DeskState& s = d.st;
    serverRequest(d, "", Script::Chkl, 9, {{"ID_LV", numText(s.SupplierNumber)}});
    restartFromFirstPage(s);
}

void clrall_Click(Desk& d) { deleteall(d); }
void viewall_Click(Desk& d) { toonall(d); }

}  // namespace plix
