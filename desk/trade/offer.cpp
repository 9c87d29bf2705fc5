#include "desk/trade/offer.h"

#include <algorithm>
#include <ctime>

#include "desk/core/files.h"
#include "desk/core/number.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/trade/sending.h"

namespace plix {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kDays[] = {0, -1, 3, 7, 14, 21, 30, 90, 180};  // by delivery-list index
constexpr std::size_t kShippingMatch = 20;  // the server keeps shipping texts this short

constexpr std::array<const char*, 10> kEnglishPayment{"select",
                                                      "cash",
                                                      "bank in advanc",
                                                      "rembours",
                                                      "account 8 days",
                                                      "account 14 days",
                                                      "account 30 days",
                                                      "by telephone",
                                                      "",
                                                      ""};
constexpr std::array<const char*, 10> kEnglishDelivery{"select",
                                                       "direct",
                                                       "within 3 workdays",
                                                       "within 7 workdays",
                                                       "within 14 workdays",
                                                       "within 21 workdays",
                                                       "within 1 month",
                                                       "within 3 months",
                                                       "within 6 months",
                                                       ""};
constexpr std::array<const char*, 10> kEnglishShipping{
    "select", "pick up", "sended by post", "sended by courier", "", "", "", "", "", ""};

int clampIndex(int i) { return std::clamp(i, 0, kMaxRequests - 1); }

}  // namespace

void offerChoiceDefaults(DeskState& s) {
    if (s.LanguageTable[108] == "OK") return;
    for (int i = 0; i < 10; ++i) {
        s.LanguageTable[kPaymentEntries + i] = kEnglishPayment[i];
        s.LanguageTable[kDeliveryEntries + i] = kEnglishDelivery[i];
        s.LanguageTable[kShippingEntries + i] = kEnglishShipping[i];
    }
}

std::optional<std::array<std::string, 6>> parseStoredOffer(std::string_view reply) {
    const std::size_t open = reply.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    ReplyCursor cursor(reply.substr(open));
    std::array<std::string, 6> fields{};
    for (auto& f : fields) {
        std::string_view field;
        if (!cursor.field(field)) break;
        f = field;
    }
    return fields;
}

ChoiceRow choicesFor(const OfferRow& row, const std::array<std::string, 301>& table) {
    ChoiceRow c{};
    c[3] = row[3] == "Incl" ? 1 : 0;
    for (int i = 0; i < 10; ++i)
        if (!row[4].empty() && row[4] == table[kPaymentEntries + i])
            c[0] = i;  // the last match wins
    c[1] = deliveryIndex(valInt(row[5]));
    const std::string_view shipping = std::string_view(row[6]).substr(0, kShippingMatch);
    for (int i = 0; i < 10; ++i) {
        const std::string_view entry =
            std::string_view(table[kShippingEntries + i]).substr(0, kShippingMatch);
        if (!shipping.empty() && shipping == entry) {
            c[2] = i;
            break;
        }
    }
    return c;
}

int deliveryIndex(long long days) {
    for (int i = 1; i < static_cast<int>(std::size(kDays)); ++i)
        if (kDays[i] == days) return i;
    return 0;
}

std::string deliveryCode(int index) {
    if (index < 1 || index >= static_cast<int>(std::size(kDays))) return {};
    return numText(kDays[index]);
}

void gettrans(Desk& d) {
    DeskState& s = d.st;
    // The English lists must be in place before the stored texts are matched.
    offerChoiceDefaults(s);
    const int i = clampIndex(s.SelectedRequest);
    OfferRow& row = s.OfferFields[i];
    ChoiceRow& choices = s.OfferChoices[i];
    row = {};
    choices = {};
    s.ServerReply.clear();  // an old reply must not fill the form
    serverRequest(d, " GETTRANS ", Script::Chkl, 10,
                  {{"ID_LV", numText(s.SupplierNumber)}, {"RNR", s.SelectedEntry.number}},
                  reactionsFetch(d));
    if (const auto stored = parseStoredOffer(s.ServerReply)) {
        std::copy(stored->begin(), stored->end(), row.begin() + 1);
        choices = choicesFor(row, s.LanguageTable);
        if (row[2] == "0") row[2].clear();
    }
    const PendingOffer& unsent = s.OfferToSend;
    if (unsent.state == PendingOffer::State::Failed &&
        unsent.request.number == s.SelectedEntry.number) {
        row = unsent.fields;
        choices = unsent.choices;
    }
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m-%d-%Y", &local);
    return text;
}

std::string offerRecord(const RequestEntry& request, const OfferRow& fields,
                        std::string_view deliveryText, std::string_view date) {
    std::string r = std::string(80, '=') + kCrLf;
    r += std::string(date) + "   " + request.title + "     VRN" + request.number + "   AID" +
         request.requester + kCrLf;
    r += std::string(80, '-') + kCrLf + kCrLf;
    r += fields[1] + kCrLf;
    r += "Bedrag " + fields[2] + (fields[3] == "Incl" ? " Incl. BTW" : " Excl. BTW") + kCrLf;
    r += "Wijze van betaling : " + fields[4] + kCrLf;
    r += "Levertijd          : " + std::string(deliveryText) + kCrLf;
    r += "Verzending         : " + fields[6] + kCrLf;
    return r + kCrLf + kCrLf;
}

void sendPendingOffer(Desk& d) {
    DeskState& s = d.st;
    PendingOffer& offer = s.OfferToSend;
    if (offer.state != PendingOffer::State::Waiting) return;
    const SendOutcome outcome = sendToServer(d, " SEND OFFER ", offer.query);
    if (!outcome.taken) {
        offer.state = PendingOffer::State::Failed;
        tellNotSent(d, "Your offer on \"" + offer.request.title + "\"", outcome,
                    "Open the offer form again to send it: it still holds what you typed.");
        return;
    }
    const int i = clampIndex(offer.index);
    s.OfferFields[i] = offer.fields;
    s.OfferChoices[i] = offer.choices;
    std::string why;
    if (!appendToFile(d.file(kOfferLogFile), offer.record, &why) && d.os.messages)
        d.os.messages->show(std::string(kOfferLogFile) + " cannot be written: " + why +
                                "\nThe offer itself reached the server.",
                            messageTitle(s), MsgIcon::Exclamation, MsgButtons::Ok);
    offer = {};
}

}  // namespace plix
