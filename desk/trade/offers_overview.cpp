#include "desk/trade/offers_overview.h"

#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/trade/veltovo.h"
#include "text/cp1252.h"

namespace plix {
namespace {

constexpr const char* kNewLine = "\r\n   ";
constexpr std::size_t kLastRecordEnd = 10;  // "QEND" this close ends the list

// The delivery days as the offer window's list names them.
std::string deliveryText(std::string_view days, const std::array<std::string, 301>& t) {
    static constexpr std::string_view kDays[] = {"-1", "3", "7", "14", "21", "30", "90", "180"};
    for (int i = 0; i < 8; ++i)
        if (days == kDays[i]) return t[131 + i];
    return std::string(days);
}

void append(std::string& text, std::string_view label, std::string_view value) {
    text += label;
    text += " : ";
    text += value;
    text += " , ";
}

// One offer and its customer; false when a field is missing.
bool composeRecord(std::string_view& rest, std::string& text,
                   const std::array<std::string, 301>& t) {
    std::string_view v;
    for (int k = 0; k < 6; ++k) {
        if (!cutEnclosed(rest, v)) return false;
        const std::string label = k == 0 ? upper1252(t[150]) : t[150 + k];
        std::string value(v);
        if (k == 1) value = "\x80 " + value;
        if (k == 4) value = deliveryText(v, t);
        append(text, label, value);
        if (k == 2 || k == 5) text += kNewLine;
    }
    for (int m = 0; m < 7; ++m) {
        if (!cutEnclosed(rest, v)) return false;
        append(text, m == 4 ? "Email" : m == 6 ? "GSM" : t[40 + m], v);
        if (m == 3) text += kNewLine;
    }
    text += kNewLine + std::string(220, '-') + kNewLine;
    return true;
}

}  // namespace

std::optional<std::string> composeOverview(std::string_view reply,
                                           const std::array<std::string, 301>& table) {
    const std::size_t open = reply.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    std::string_view rest = reply.substr(open);
    std::string text = "   ";
    while (composeRecord(rest, text, table)) {
        if (markerPos(rest, "QEND") <= kLastRecordEnd) break;
    }
    return text;
}

void offertes_Click(Desk& d) {
    DeskState& s = d.st;
    s.IdleTicks = 0;
    s.ServerReply.clear();  // an old reply must not pass for the offers
    serverRequest(d, " GETOFF", Script::Chkl, 12, {{"ID_LV", numText(s.SupplierNumber)}});
    s.OverviewText = composeOverview(s.ServerReply, s.LanguageTable).value_or(std::string());
    veltovo_Load(d);
}

}  // namespace plix
