#pragma once
// The supplier record: its slots in SupplierList, cutting the server's copy
// out of a reply, and the main window's fetch of it.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

// Slots of SupplierList with a meaning of their own.
constexpr std::size_t kPlaceSlot = 3, kLanguageSlot = 9, kBankSlot = 19;
constexpr std::size_t kGsmSlot = 22, kSoundSlot = 27, kCreditSlot = 28, kServerTextSlot = 29;
constexpr std::size_t kNumberSlot = 30, kReviewSlot = 31;
constexpr std::size_t kSlotsSent = 31;  // the item list of ctrl 02 and 03 holds slots 0..30

// Cuts the record of a ctrl 04 reply: the text from 9 characters after the
// start of "QLEV=" on, each slot ended by "<br>", into slots in order. Slots
// beyond the last complete one keep their text. Nothing when the reply holds
// no "QLEV="; otherwise the number of slots filled.
std::optional<std::size_t> cutSupplierRecord(std::string_view reply, std::span<std::string> slots);

// The item list of ctrl 02 and 03: "<" + slot + ">" for slots 0..30; for the
// activity log with the passwords masked.
std::string supplierItemList(const DeskState& s, bool maskPasswords = false);
// The number of a registration reply: "<LEVID", one more character, the
// number up to the next ">"; 0 when there is none.
long long cutRegisteredNumber(std::string_view reply);
// Writes the profile, the supplier number and its check value to pxini.dat
// now (a number too long for its field is told, and not written).
void storeSupplierRecord(Desk& d);

// Whether the server took a request of the supplier or filter window: an
// empty reply (not sent, or the fetch failed) is told, and so is the
// server's refusal ("Error ...") where it counts, so nothing unsent passes
// for done.
bool serverTookIt(Desk& d, bool refusalCounts = true);

// The main window's fetch of the supplier record (ctrl 04), after login, the
// connection test and the system settings. A "Warning" reply ends the
// membership for the run (the message only once a change was seen); a
// record fills slots 0..31, shows the credit state and the review label.
void getlev(Desk& d);

}  // namespace plix
