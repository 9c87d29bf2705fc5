#pragma once
// Row markers of the request list: the reaction count of each shown request
// (chkl 18) and the requests already offered on (chkl 11).
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "desk/core/desk.h"

namespace plix {

// Marker fills, 0xBBGGRR.
constexpr int kManyReactionsColour = 0x80FFFF;     // light yellow: more than 5
constexpr int kBusyReactionsColour = 0x0080FF;     // orange: more than 20
constexpr int kCrowdedReactionsColour = 0x0000FF;  // red: more than 50
constexpr int kOfferedRowColour = 0xC0FFC0;        // light green time label

// The (request number, count) pairs of a chkl 18 reply, in its order.
std::vector<std::pair<std::string, int>> parseReactionCounts(std::string_view reply);
// The request numbers of a chkl 11 reply.
std::vector<std::string> parseOfferedRequests(std::string_view reply);

// Asks for the reaction counts of the inbox's requests and colours the
// marker of each shown row by the count of the request that row shows.
void gettelreacties(Desk& d);
// Asks for the requests offered on and marks the shown rows that show one.
void getofp(Desk& d);

}  // namespace plix
