#include "desk/inbox/offers_marks.h"

#include <algorithm>

#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"

namespace plix {
namespace {

// The rows that show a request: their index in the inbox by row.
template <class Visit>
void forShownRows(Desk& d, Visit visit) {
    const DeskState& s = d.st;
    for (int j = 0; j < kRows; ++j) {
        const int n = s.PageOffset + j;
        if (d.velto.lnr[j].Visible && n >= 0 && n < kMaxRequests) visit(j, s.Requests[n]);
    }
}

int markerColour(int count, int previous) {
    int colour = previous;
    if (count > 5) colour = kManyReactionsColour;
    if (count > 20) colour = kBusyReactionsColour;
    if (count > 50) colour = kCrowdedReactionsColour;
    return colour;
}

}  // namespace

std::vector<std::pair<std::string, int>> parseReactionCounts(std::string_view reply) {
    std::vector<std::pair<std::string, int>> counts;
    ReplyCursor cursor(reply);
    std::string_view number, count;
    while (cursor.enclosed(number) && cursor.enclosed(count))
        counts.emplace_back(std::string(number), static_cast<int>(valInt(count)));
    return counts;
}

std::vector<std::string> parseOfferedRequests(std::string_view reply) {
    std::vector<std::string> numbers;
    const std::size_t open = reply.find('[');
    if (open == std::string_view::npos) return numbers;
    ReplyCursor cursor(reply.substr(open));
    std::string_view number;
    while (numbers.size() < kMaxRequests && cursor.find("[") != 0 && cursor.field(number))
        numbers.emplace_back(number);
    return numbers;
}

void gettelreacties(Desk& d) {
    DeskState& s = d.st;
    const int held = std::max(0, std::min({s.HeldCount, s.AcceptedCount, kMaxRequests}));
    std::string list;
    for (int i = 0; i < held; ++i) list += "<" + s.Requests[i].number + ">";
    s.ServerReply.clear();
    serverRequest(d, " GETTEL  ", Script::Chkl, 18, {{"CTR", list}});
    // Each count goes to the row that shows its request, whatever the order
    // of the reply: a page other than the first starts further down the list.
    const auto counts = parseReactionCounts(s.ServerReply);
    s.ReactionCounts.fill(0);
    forShownRows(d, [&](int row, const RequestEntry& e) {
        for (const auto& [number, count] : counts) {
            if (number != e.number) continue;
            s.ReactionCounts[row] = count;
            Shape& marker = d.velto.Shape1[row];
            marker.BackColor = markerColour(count, marker.BackColor);
            break;
        }
    });
}

void getofp(Desk& d) {
    DeskState& s = d.st;
    s.OfferedRequests.clear();
    s.ServerReply.clear();
    serverRequest(d, "", Script::Chkl, 11, {{"ID_LV", numText(s.SupplierNumber)}});
    s.OfferedRequests = parseOfferedRequests(s.ServerReply);
    const std::string& mark = s.LanguageTable[87];
    forShownRows(d, [&](int row, const RequestEntry& e) {
        const auto& offered = s.OfferedRequests;
        if (std::find(offered.begin(), offered.end(), e.number) == offered.end()) return;
        Label& time = d.velto.ltime[row];
        if (!mark.empty()) time.Caption = mark + "  ";  // without a language the time stays
        time.BackColor = kOfferedRowColour;
    });
}

}  // namespace plix
