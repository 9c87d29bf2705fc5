#include "desk/inbox/inbox.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "desk/core/alerts.h"
#include "desk/core/number.h"
#include "text/cp1252.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/inbox/offers_marks.h"

namespace plix {
namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::string_view kListMarker = "CNTRLCODE=02";
constexpr std::string_view kListEnd = "QEND";
constexpr std::size_t kGapAfterMarker = 4;
constexpr std::size_t kSkipAfterRecord = 4;    // "<br>"
constexpr long long kCountLimit = 1000000;     // a wild count must not overflow the paging arithmetic

// A number as a caption shows it: one leading blank for the sign of a positive value.
std::string signedText(long long n) { return n < 0 ? numText(n) : " " + numText(n); }

// Whether the leading-number rule finds any digit at the start of text.
bool holdsNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i != npos && (text[i] == '-' || text[i] == '+')) ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// Applies the supplier's own exclusions, in order; the first that rejects
// decides. An accepted record loses its country marker from the details.
bool accepted(const DeskState& s, RequestEntry& e) {
    const std::string_view details = e.details;
    if (s.CountryBlock[9] == 10 && details.find("*QV") != npos) return false;

    const std::size_t place = details.find("*QP");
    if (place != npos) {
        // Place words the supplier excludes (an empty word is never found).
        if (findNoCase(details, s.SystemList[15], place) != npos ||
            findNoCase(details, s.SystemList[16], place) != npos)
            return false;
        // The request must name the supplier's own place (an empty place always matches).
        if (!s.SupplierList[3].empty() && findNoCase(details, s.SupplierList[3], place) == npos)
            return false;
    }

    const std::size_t country = details.find("*QL");
    if (country != npos) {
        // Two characters that hold no number leave the country at 0.
        const std::string_view code = details.substr(country + 3, 2);
        if (holdsNumber(code)) e.country = static_cast<int>(valInt(code)) - 10;
        e.details.resize(country);
        // Slots hold the country number when blocked and -1 when free, so only
        // real country numbers (1 and up) are compared: a damaged code must
        // not match every free slot.
        if (e.country >= 1)
            for (int j = 0; j <= 8; ++j)
                if (s.CountryBlock[j] == e.country) return false;
    }
    return true;
}

// Reads the records of the list, screens and stores them. Returns how many
// records this fetch filled (stored and accepted).
int readRecords(DeskState& s, const std::string_view list) {
    std::string_view rest = list;
    // The first "QEND" ahead, searched again only once reading has passed it,
    // so the list is scanned once however many records it holds.
    std::size_t endAt = list.find(kListEnd);
    int k = 0;
    for (;;) {
        std::string_view fields[6];
        long long statusClose = 0;   // 1-based, in the rest that begins with the sixth field
        bool whole = true;
        for (int i = 0; i < 6 && whole; ++i) {
            if (i == 5) statusClose = static_cast<long long>(markerPos(rest, "]"));
            whole = cutField(rest, fields[i]);
        }
        if (!whole) break;   // a record cut short ends the list
        RequestEntry e{.number = std::string(fields[0]), .time = std::string(fields[1]),
                       .title = std::string(fields[2]), .details = std::string(fields[3]),
                       .country = 0, .requester = std::string(fields[4]),
                       .status = std::string(fields[5])};

        const bool accept = accepted(s, e);
        if (!accept) s.HeldCount = static_cast<int>(std::max<long long>(s.HeldCount - 1, -kCountLimit));
        // A rejected record takes the slot only until the next one overwrites it.
        if (k < kMaxRequests) s.Requests[k] = std::move(e);

        rest.remove_prefix(std::min(kSkipAfterRecord, rest.size()));
        s.AcceptedCount += accept;
        k += accept;

        // Another record follows only when enough text stands before "QEND".
        const std::size_t at = list.size() - rest.size();
        if (endAt != npos && endAt < at) endAt = list.find(kListEnd, at);
        const long long endPos = endAt == npos ? 0 : static_cast<long long>(endAt - at) + 1;
        if (endPos - statusClose <= 20) break;
    }
    return std::min(k, kMaxRequests);
}

void drawRow(Desk& d, int i, int n, bool filled) {
    VeltoForm& f = d.velto;
    DeskState& s = d.st;
    if (!filled) return;   // no record behind this row: it stays hidden
    const RequestEntry& e = s.Requests[n];
    for (Control* c : std::initializer_list<Control*>{&f.lnr[i], &f.ltime[i], &f.lvraag[i], &f.cvink[i], &f.Shape1[i]}) c->Visible = true;
    f.lnr[i].Caption = numText(n + 1);
    if (e.status == "onb" || e.status == "mut") {
        alertRequest(d);   // sounds once per fetch and runs to its end
        f.cvink[i].Visible = false;
        f.cnew[i].Visible = true;
        f.lnr[i].BackColor = kNewRowColour;
        if (e.status == "mut") {
            f.lnr[i].BackColor = kChangedRowColour;
            f.chand[i].Visible = true;
            f.cnew[i].Visible = false;
        }
    }
    f.ltime[i].Caption = e.time + " ";
    f.lvraag[i].Caption = e.title + " ";
}

// Names in a notification the requests that are new or changed since the
// previous fetch; one still waiting from before is no news. A request counts
// as changed again when its content differs from what that fetch held.
void announceNewRequests(Desk& d, int filled) {
    DeskState& s = d.st;
    std::set<std::string> seen;
    std::vector<std::string> fresh;
    for (int n = 0; n < filled; ++n) {
        const RequestEntry& e = s.Requests[n];
        if (e.status != "onb" && e.status != "mut") continue;
        std::string key = e.number + '\x1f' + e.status + '\x1f' + e.title + '\x1f' + e.details;
        if (!s.NewOrChangedSeen.contains(key)) fresh.push_back(e.title);
        seen.insert(std::move(key));
    }
    s.NewOrChangedSeen = std::move(seen);
    notifyNewRequests(d, fresh);
}


// The reactions and offer windows work on the request they were opened
// for: a fetch that moved it in the list follows it to its new index and
// takes up its new state (a request opened is no longer new).
void followSelection(DeskState& s, int filled) {
    const std::string& number = s.SelectedEntry.number;
    if (number.empty()) return;
    for (int n = 0; n < filled; ++n)
        if (s.Requests[n].number == number) {
            s.SelectedRequest = n;
            s.SelectedEntry = s.Requests[n];
            return;
        }
}

// Fetches, reads and draws the list. Everything that looks into the reply
// ends here, before the row markers fetch and replace it. False when the
// reply held no list.
bool readList(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    serverRequest(d, "", Script::Chkl, 2, {{"ID_LV", numText(s.SupplierNumber)}});
    const std::string_view reply = s.ServerReply;
    const long long c = static_cast<long long>(markerPos(reply, kListMarker));
    const long long q = static_cast<long long>(markerPos(reply, kListEnd));

    s.HeldCount = q == 0 ? 0
                         : static_cast<int>(std::clamp(valInt(fromPosition(reply, q + kListEnd.size())),
                                                       -kCountLimit, kCountLimit));
    if (q - c <= 20) return false;

    s.InboxLoaded = 1;
    s.AcceptedCount = 0;
    if (s.SupplierNumber != 0 && s.ServerCommand != 2) f.fr_vraag.Visible = true;
    // Without the marker, reading starts at the 16th character all the same.
    const int filled = readRecords(s, listStart(reply, kListMarker, kGapAfterMarker));
    followSelection(s, filled);

    int last = s.HeldCount - 1;
    if (last > 9) {
        last = 9;
        for (int i = 0; i < 4; ++i) f.cvraag[i].Visible = true;
    }
    s.LimitNote.clear();
    if (last + 1 > s.MaxShown) {
        last = s.MaxShown - 1;
        s.LimitNote = "   " + s.LanguageTable[86] + signedText(s.MaxShown);
    }

    // A page left behind by a shorter list moves back to the list's last page.
    s.PageOffset = std::clamp(s.PageOffset, 0, std::max(0, s.HeldCount - 10));

    // The first fetch of a run draws nothing and so tells nothing: the
    // requests waiting at start are named with the first rows drawn.
    if (s.FirstFetchDone == 1) {
        for (int i = 0; i <= last; ++i) drawRow(d, i, s.PageOffset + i, s.PageOffset + i < filled);
        announceNewRequests(d, filled);
    }
    return true;
}

}  // namespace

void getvraag(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    s.OperationLabel = " GETVRAAG ";
    clrvra(d);
    if (!readList(d)) {
        s.FirstFetchDone = 1;
        return;
    }

    gettelreacties(d);
    // An open reactions window reloads its request.
    if (d.veltorsp.form.Visible) s.ReactionsCommand = 99;

    f.cvraag[1].Enabled = s.PageOffset != 0;
    f.cvraag[0].Enabled = s.HeldCount - 10 != s.PageOffset;
    f.fr_vraag.Caption = signedText(s.HeldCount) + "  " +
                         (s.AcceptedCount == 1 ? s.LanguageTable[37] : s.LanguageTable[35]) + s.LimitNote;
    getofp(d);
    s.FirstFetchDone = 1;
}

void clrvra(Desk& d) {
    VeltoForm& f = d.velto;
    for (int i = 0; i < kRows; ++i) {
        f.lvraag[i].BackColor = kTitleRestColour;
        f.ltime[i].BackColor = kTimeRestColour;
        f.lnr[i].BackColor = kNumberRestColour;
        f.Shape1[i].BackColor = kButtonFaceColour;
        for (Control* c : std::initializer_list<Control*>{&f.lnr[i], &f.ltime[i], &f.lvraag[i], &f.cvink[i], &f.cnew[i],
                           &f.chand[i], &f.Shape1[i]})
            c->Visible = false;
    }
    for (int i = 0; i < 4; ++i) f.cvraag[i].Visible = false;
    d.st.InboxLoaded = 0;
}

}  // namespace plix
