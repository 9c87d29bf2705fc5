#include "desk/chat/chat_reply.h"

#include "desk/net/reply.h"

namespace plix {

TextSpan chatSpan(std::size_t start, std::size_t length, int colour, bool bold) {
    TextSpan span;
    span.Start = static_cast<int>(start);
    span.Length = static_cast<int>(length);
    span.Color = colour;
    span.Bold = bold;
    return span;
}

std::vector<std::string> chatFields(std::string_view reply) {
    std::vector<std::string> fields;
    ReplyCursor cursor(reply);
    std::string_view field;
    while (cursor.enclosed(field)) fields.emplace_back(field);
    return fields;
}

Conversation conversationOf(const std::vector<std::string>& fields) {
    Conversation c;
    c.blocked = fields.size() > 2 && fields[2] == "Blocked";
    for (std::size_t kind = 3; kind + 1 < fields.size(); kind += 2) {
        const std::string& line = fields[kind + 1];
        const bool own = fields[kind].starts_with("vervolg");
        c.spans.push_back(
            chatSpan(c.text.size(), line.size(), own ? kChatOwnColour : kChatCustomerColour));
        c.text += line;
        c.text += "\r\n";
    }
    return c;
}

}  // namespace plix
