#pragma once
// The conversation about one request (chkl 04): its reply cut into fields,
// and the text the reactions window shows with its headings marked.
#include <string>
#include <string_view>
#include <vector>

#include "desk/forms/controls.h"

namespace plix {

// The conversation keeps at most this many fields.
inline constexpr std::size_t kMaxConversationFields = 257;

// The bracketed fields after the first "<br>" that follows "RNR", every one
// up to "<br>QEND" (to the end of the reply when that is missing). Nothing
// when the reply holds no "RNR".
std::vector<std::string> parseConversation(std::string_view reply);

// The shown text and its marked headings: field 0 (the request itself) and
// the request-details field are left out; a customer's answer ("beantwoord
// op") and a follow-up reaction ("vervolgreactie") begin with the heading
// texts answered and followUp, coloured green and dark red in a fixed-pitch
// font; every other field is closed by a rule. Line breaks ("<br>") show as
// line breaks.
struct ConversationText {
    std::string text;
    std::vector<TextSpan> spans;
};
ConversationText renderConversation(const std::vector<std::string>& fields,
                                    std::string_view answered, std::string_view followUp);

// The server's line breaks ("<br>") as line breaks (CR LF).
std::string withLineBreaks(std::string_view text);

}  // namespace plix
