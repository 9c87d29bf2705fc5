// Feeds arbitrary replies to every reply-cutting function and checks that
// each cut stays inside the reply and always moves forward.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "desk/net/reply.h"
#include "desk/trade/conversation.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool inside(std::string_view part, std::string_view whole) {
    return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plix;
    const std::string_view reply(reinterpret_cast<const char*>(data), size);

    for (std::string_view marker : {"cnt=", "VERSIE=", "TV=", "TR=", "QEND", "MESS", "CNTRLCODE=02"}) {
        const std::size_t p = markerPos(reply, marker);
        require(p == 0 || reply.substr(p - 1, marker.size()) == marker);
        if (auto tail = afterMarker(reply, marker, 1)) require(inside(*tail, reply));
        if (auto value = valueToBracket(reply, marker)) {
            require(inside(*value, reply));
            require(value->find(']') == std::string_view::npos);
        }
        (void)numberAfter(reply, marker, 1);
        require(inside(fromPosition(reply, p + 5), reply));
    }

    // The bracket rule, field after field, until it stops.
    std::string_view rest = reply, field;
    while (cutField(rest, field)) {
        require(inside(field, reply) && inside(rest, reply));
    }
    rest = reply;
    std::size_t left = rest.size() + 1;
    while (cutEnclosed(rest, field)) {
        require(inside(field, reply) && rest.size() < left);
        require(field.find(']') == std::string_view::npos);
        left = rest.size();
    }

    // A request list read the way the inbox reads it.
    ReplyCursor cursor(listStart(reply, "CNTRLCODE=02", 4));
    for (int record = 0; record < 300; ++record) {
        const std::size_t before = cursor.rest().size();
        for (int i = 0; i < 6 && cursor.field(field); ++i) require(inside(field, reply));
        cursor.skip(4);
        require(inside(cursor.rest(), reply));
        if (cursor.find("QEND") <= 20 || cursor.rest().size() == before) break;
    }

    // A conversation, shown: every marked heading lies inside the text.
    const auto fields = parseConversation(reply);
    require(fields.size() <= kMaxConversationFields);
    for (std::string_view heading : {"", "Answered on: ", "beantwoord op vervolgreactie long"}) {
        const ConversationText shown = renderConversation(fields, heading, "Further reply:");
        for (const TextSpan& span : shown.spans)
            require(span.Start >= 0 && span.Length >= 0 &&
                    span.Start + span.Length <= static_cast<int>(shown.text.size()));
    }
    return 0;
}
