#include "desk/lang/language_file.h"

namespace plix {

LanguageSection readLanguageSection(std::string_view fileText, int number, int entryCount,
                                    std::size_t chunkSize) {
    LanguageSection section;
    const std::string key = "[" + std::to_string(number) + "]";
    for (std::size_t start = 0; start < fileText.size(); start += chunkSize) {
        std::string_view chunk = fileText.substr(start, chunkSize);
        const auto at = chunk.find(key);
        if (at == std::string_view::npos) continue;
        section.found = true;
        chunk.remove_prefix(at + key.size());
        for (int k = 0; k < entryCount; ++k) {
            const auto open = chunk.find('<');
            if (open == std::string_view::npos) break;
            const auto close = chunk.find('>', open + 1);
            if (close == std::string_view::npos) break;
            section.entries.emplace_back(chunk.substr(open + 1, close - open - 1));
            chunk.remove_prefix(close + 1);
        }
        break;
    }
    return section;
}

}  // namespace plix
