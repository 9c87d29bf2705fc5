#include "desk/profile/supplier.h"

#include <algorithm>

#include "desk/core/item_list.h"
#include "desk/core/number.h"
#include "desk/core/settings.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"

namespace plix {

std::optional<std::size_t> cutSupplierRecord(std::string_view reply, std::span<std::string> slots) {
    const std::size_t marker = markerPos(reply, "QLEV=");
    if (marker == 0) return std::nullopt;
    std::string_view rest = fromPosition(reply, marker + 9);
    std::size_t filled = 0;
    for (auto& slot : slots) {
        const std::size_t end = rest.find("<br>");
        if (end == std::string_view::npos) break;
        slot.assign(rest.substr(0, end));
        rest.remove_prefix(end + 4);
        ++filled;
    }
    return filled;
}

std::string supplierItemList(const DeskState& s, bool maskPasswords) {
    std::array<std::string, kSlotsSent> items;
    std::copy_n(s.SupplierList.begin(), kSlotsSent, items.begin());
    if (maskPasswords)
        for (std::size_t slot : kSlotsNeverStored)
            if (!items[slot].empty()) items[slot] = "*";
    return buildItemList(items);
}

long long cutRegisteredNumber(std::string_view reply) {
    const std::size_t at = markerPos(reply, "<LEVID");
    if (at == 0) return 0;
    const std::string_view rest = fromPosition(reply, at + 7);
    return valInt(rest.substr(0, rest.find('>')));
}

void storeSupplierRecord(Desk& d) {
    DeskState& s = d.st;
    if (!writeSupplierNumberField(s.SettingsRecord, s.SupplierNumber) && d.os.messages)
        d.os.messages->show(
            "The supplier number " + numText(s.SupplierNumber) + " cannot be stored.", "PLIX",
            MsgIcon::Critical, MsgButtons::Ok);
    s.SettingsDirty = 1;
    savedat(d);
}

bool serverTookIt(Desk& d, bool refusalCounts) {
    const std::string_view reply = d.st.ServerReply;
    if (reply.empty()) {
        d.os.messages->show(d.st.LanguageTable[106], "PLIX", MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    if (refusalCounts && reply.starts_with("Error ")) {
        const std::string_view why = afterMarker(reply, "<br>").value_or(reply);
        d.os.messages->show(why, "PLIX", MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    return true;
}

void getlev(Desk& d) {
    DeskState& s = d.st;
    VeltoForm& f = d.velto;
    serverRequest(d, " GETLEV ", Script::Ctrl, 4, {{"ID_LV", s.SupplierList[kNumberSlot]}});
    if (hasMarker(s.ServerReply, "Warning")) {
        s.SupplierNumber = 0;
        if (s.ChangeSeen == 1 && d.os.messages)
            d.os.messages->show(s.LanguageTable[118], s.LanguageTable[104], MsgIcon::None,
                                MsgButtons::Ok);
        return;
    }
    if (!cutSupplierRecord(s.ServerReply, std::span(s.SupplierList.data(), kReviewSlot + 1)))
        return;
    // The label "To be checked" follows the review flag.
    const bool toBeChecked = s.SupplierList[kReviewSlot] == "ja";
    if (!toBeChecked) f.tsys[3].Text.clear();
    f.llab[5].Visible = toBeChecked;
    f.lcred.Caption = s.SupplierList[kCreditSlot];
    f.cupdate.Visible = false;
}

}  // namespace plix
