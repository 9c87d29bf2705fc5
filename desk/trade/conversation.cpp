#include "desk/trade/conversation.h"

#include <algorithm>

#include "desk/net/reply.h"

namespace plix {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view kAnswered = "beantwoord op";
constexpr std::string_view kFollowUp = "vervolgreactie";
constexpr std::string_view kRequestDetails = "details aanvraag";
constexpr int kAnsweredColour = 0x0F7F00;  // red 0, green 127, blue 15
constexpr int kFollowUpColour = 0x0F007F;  // red 127, green 0, blue 15
constexpr int kMarkLength = 24;
constexpr int kMarkStep = 20;

bool holds(std::string_view text, std::string_view part) {
    return !part.empty() && text.find(part) != npos;
}

// Writes heading over the first characters of field, never past its end.
void overwriteStart(std::string& field, std::string_view heading) {
    const std::size_t n = std::min(heading.size(), field.size());
    field.replace(0, n, heading.substr(0, n));
}

void markEvery(ConversationText& out, std::string_view heading, int colour) {
    if (heading.empty()) return;
    const std::string_view text = out.text;
    for (std::size_t at = text.find(heading); at != npos; at = text.find(heading, at + kMarkStep)) {
        const int length = static_cast<int>(std::min<std::size_t>(kMarkLength, text.size() - at));
        out.spans.push_back({.Start = static_cast<int>(at),
                             .Length = length,
                             .Color = colour,
                             .Font = "Courier New",
                             .Bold = true});
    }
}

}  // namespace

std::vector<std::string> parseConversation(std::string_view reply) {
    std::vector<std::string> fields;
    const std::size_t request = reply.find("RNR");
    if (request == npos) return fields;
    const std::size_t lineBreak = reply.find("<br>", request);
    if (lineBreak == npos) return fields;
    std::string_view rest = reply.substr(lineBreak + 4);
    // Every field that opens before the end marker is read, however long the
    // fields before it were.
    const std::size_t end = rest.find("<br>QEND");
    const char* const stop = end == npos ? rest.data() + rest.size() : rest.data() + end;
    while (fields.size() < kMaxConversationFields) {
        const std::size_t open = rest.find('[');
        if (open == npos || rest.data() + open >= stop) break;
        std::string_view field;
        if (!cutField(rest, field)) break;
        fields.emplace_back(field);
    }
    return fields;
}

ConversationText renderConversation(const std::vector<std::string>& fields,
                                    std::string_view answered, std::string_view followUp) {
    // Without a language the server's own phrases serve as headings.
    if (answered.empty()) answered = kAnswered;
    if (followUp.empty()) followUp = kFollowUp;
    ConversationText out;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        std::string f = fields[i];
        if (holds(f, kAnswered)) overwriteStart(f, answered);
        if (holds(f, kFollowUp)) overwriteStart(f, followUp);
        const bool details = holds(f, kRequestDetails);
        if (!details) out.text += " " + withLineBreaks(f) + "\r\n";
        if (!holds(f, answered) && !holds(f, followUp) && !details)
            out.text += " " + std::string(55, '_') + "\r\n";
    }
    markEvery(out, answered, kAnsweredColour);
    markEvery(out, followUp, kFollowUpColour);
    return out;
}

std::string withLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, 4, "<br>") == 0) {
            out += "\r\n";
            at += 4;
        } else {
            out += text[at++];
        }
    }
    return out;
}

}  // namespace plix
