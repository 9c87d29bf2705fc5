#pragma once
// One customer request of the inbox, as the request list (chkl 02) sends it.
#include <array>
#include <string>

namespace plix {

struct RequestEntry {
    std::string number;  // sent back as RNR
    std::string time;    // shown as it came, e.g. "13-06 10:48"
    std::string title;
    std::string details;    // the text before any "*QL" marker
    int country = 0;        // the code after "*QL" less 10; 0 when there is none
    std::string requester;  // sent back as AID
    std::string status;     // "onb" new, "mut" changed, anything else seen
};

// The inbox holds at most this many records; the surplus is counted only.
constexpr int kMaxRequests = 257;
using RequestEntries = std::array<RequestEntry, kMaxRequests>;

}  // namespace plix
