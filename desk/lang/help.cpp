#include "desk/lang/help.h"

#include <fstream>

namespace plix {

std::optional<std::string> helpText(std::string_view fileText, int language, int topic) {
    const std::string sectionKey = "[LNG" + std::to_string(language) + "]";
    const std::size_t section = fileText.find(sectionKey);
    if (section == std::string_view::npos) return std::nullopt;
    std::string_view rest = fileText.substr(section + sectionKey.size());
    // A topic missing from this section is not looked for in the next one.
    rest = rest.substr(0, rest.find("[LNG"));
    const std::string topicKey = "[" + std::to_string(topic) + "]";
    const std::size_t at = rest.find(topicKey);
    if (at == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(at + topicKey.size());
    std::string_view text = rest.substr(0, rest.find('['));
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    return std::string(text);
}

std::optional<std::string> gethlp(Desk& d, int topic) {
    const std::string& name = d.st.HelpFileName.empty() ? kHelpFile : d.st.HelpFileName;
    std::ifstream in(d.folder / name, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(kHelpFileRead, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.empty()) return std::nullopt;
    return helpText(text, d.st.CurrentLanguage, topic);
}

}  // namespace plix
