#pragma once
// Cutting the chat replies. The contact list (chkl 13) and a conversation
// (chkl 15) are runs of "[" + text + "]" fields. A conversation's field 2 is
// its block state; from field 3 on the fields come in pairs, the kind of a
// line and the line: a kind beginning "vervolg" marks the supplier's own
// follow-up line, any other kind the customer's.
#include <string>
#include <string_view>
#include <vector>

#include "desk/forms/controls.h"

namespace plix {

// 0xBBGGRR
constexpr int kChatCustomerColour = 0xFF0000;  // blue
constexpr int kChatOwnColour = 0x007F00;       // dark green
constexpr int kChatBlockedColour = 0x0000FF;   // red

// Every field from the first "[" on: the text up to the next "]"; the next
// field is looked for after that "]". A "[" without a "]" ends the run.
std::vector<std::string> chatFields(std::string_view reply);

// A stretch of the conversation box in one colour.
TextSpan chatSpan(std::size_t start, std::size_t length, int colour, bool bold = false);

struct Conversation {
    std::string text;           // every line, each ended by CR LF
    std::vector<TextSpan> spans;  // one per line, in its colour
    bool blocked = false;       // field 2 is exactly "Blocked"
};

// All the lines of a conversation's fields, the newest last; however many
// there are, none is dropped.
Conversation conversationOf(const std::vector<std::string>& fields);

}  // namespace plix
