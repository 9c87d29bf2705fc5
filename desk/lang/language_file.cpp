#include "desk/lang/language_file.h"

#include "desk/core/files.h"

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

void writeLanguageDefaults(std::span<std::string> t) {
    t[6] = "Your deliverer information on the PLIX server";
    t[7] = "Your deliverer information on the local PC";
    t[8] = "Your filters on the PLIX server";
    t[9] = "Your filters on the local PC";
    t[101] = "Testing connection";
    t[102] = "Http OK";
    t[103] = "Connect database OK";
    t[104] = "No PLIX member yet";
    t[105] = "No Internet connection";
    t[106] = "No PLIX connection";
    t[108] = "NO";
    t[115] = "Blocking refresh";
    t[116] = "Are you sure ?  ";
}

bool loadLanguageFile(const std::filesystem::path& file, int number, std::span<std::string> table) {
    const auto text = readWholeFile(file);
    if (!text) return false;
    if (text->empty()) {
        std::error_code ec;
        std::filesystem::remove(file, ec);
        return false;
    }
    const LanguageSection section = readLanguageSection(*text, number);
    for (std::size_t k = 0; k < section.entries.size() && k < table.size(); ++k)
        table[k] = section.entries[k];
    return section.found;
}

}  // namespace plix
