#include "desk/profile/framing.h"

namespace plix {
namespace {

// LanguageTable[79]: the refusal, "%1" standing for the box, "%2" for the
// characters (the language file cannot hold ">" itself).
constexpr const char* kRefusalEntryDefault = "The box \"%1\" cannot hold the characters %2";
constexpr int kRefusalEntry = 79;

void replaceFirst(std::string& text, std::string_view placeholder, std::string_view by) {
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos) text.replace(at, placeholder.size(), by);
}

std::string withoutAccessKey(std::string_view label) {
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && ++i == label.size()) break;
        out += label[i];
    }
    // A label that ends in a colon names the box without it.
    while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
    return out;
}

}  // namespace

std::string breakingCharacters(std::string_view text, std::string_view breakers) {
    std::string found;
    for (char c : breakers)
        if (text.find(c) != std::string_view::npos) found += c;
    return found;
}

bool acceptFieldText(Desk& d, std::string_view text, std::string_view label,
                     std::string_view breakers) {
    const std::string found = breakingCharacters(text, breakers);
    if (found.empty()) return true;
    const std::string& entry = d.st.LanguageTable[kRefusalEntry];
    std::string message = entry.empty() ? kRefusalEntryDefault : entry;
    std::string characters;
    for (char c : found) {
        if (!characters.empty()) characters += ' ';
        characters += c;
    }
    replaceFirst(message, "%1", withoutAccessKey(label));
    replaceFirst(message, "%2", characters);
    if (d.os.messages) d.os.messages->show(message, "PLIX", MsgIcon::Exclamation, MsgButtons::Ok);
    return false;
}

}  // namespace plix
