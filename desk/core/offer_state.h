#pragma once
// The offer memory of the offer window and the offer waiting to be sent.
#include <array>
#include <string>

#include "desk/core/request_entry.h"

namespace plix {

// Columns 1..6: description, amount, VAT word, payment text, delivery days,
// shipping text (column 0 unused).
using OfferRow = std::array<std::string, 7>;
// Columns 0..2: list index of payment, delivery time, shipping (0 = none
// chosen); column 3: 1 for VAT inclusive.
using ChoiceRow = std::array<int, 5>;
using OfferTable = std::array<OfferRow, kMaxRequests>;
using ChoiceTable = std::array<ChoiceRow, kMaxRequests>;

// An offer the user confirmed. It waits here, apart from the shared request
// variables that any fetch replaces, until the server has taken it; one the
// server did not take stays as Failed, so that reopening the offer form for
// its request shows what was typed.
struct PendingOffer {
    enum class State { None, Waiting, Failed };
    State state = State::None;
    int index = 0;         // inbox index it was made on
    RequestEntry request;  // the request it is for
    std::string query;     // the chkl 06 query
    OfferRow fields{};
    ChoiceRow choices{};
    std::string record;  // its Vorade.txt record, written once the server took it
};

}  // namespace plix
