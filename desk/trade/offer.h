#pragma once
// The offer on one request: the stored offer the server keeps (chkl 10), the
// offer window's three choice lists, the offer request (chkl 06) that waits
// until the reactions window sends it, and its record in Vorade.txt.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kOfferLogFile = "Vorade.txt";
// First LanguageTable entry of the payment, delivery-time and shipping lists.
inline constexpr int kPaymentEntries = 120, kDeliveryEntries = 130, kShippingEntries = 140;

// Without a language table (entry 108 not "OK") the English lists are
// written into entries 120..149, where every reader finds them.
void offerChoiceDefaults(DeskState& s);

// The six fields of a chkl 10 reply (description, amount, VAT word, payment,
// delivery days, shipping) from its first "[" on; nothing without a "[".
std::optional<std::array<std::string, 6>> parseStoredOffer(std::string_view reply);

// The list indices and the VAT flag that show a stored offer (row columns
// 1..6) with the language table's lists.
ChoiceRow choicesFor(const OfferRow& row, const std::array<std::string, 301>& table);

// Delivery-list index for a number of days and back: -1 (direct) is line 1,
// 3 .. 180 days lines 2 .. 8. Other days give 0; other lines no code.
int deliveryIndex(long long days);
std::string deliveryCode(int index);

// Fetches the last offer on the selected request into OfferFields and
// OfferChoices; an offer on it that the server did not take comes back as
// it was typed.
void gettrans(Desk& d);

// Today as month-day-year, ten characters ("03-18-2004").
std::string todayText();
// The readable record of one offer in Vorade.txt.
std::string offerRecord(const RequestEntry& request, const OfferRow& fields,
                        std::string_view deliveryText, std::string_view date);

// Sends the offer waiting in OfferToSend. Taken by the server, it becomes the
// request's offer in memory and gets its record in Vorade.txt; otherwise it
// stays (as not sent) and the user is told.
void sendPendingOffer(Desk& d);

}  // namespace plix
