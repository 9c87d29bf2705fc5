#pragma once
// Reader of the language file format shared by plixdesk and plixinst.
//
// A section is "[" + number + "]" followed by its entries, each "<" + text +
// ">"; whatever stands between entries (line breaks, remarks) is skipped.
// The file is searched in chunks of 32000 characters: a key must lie wholly
// inside one chunk, and only the entries within the key's chunk are read.
#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plix {

constexpr std::size_t kLanguageChunk = 32000;
constexpr int kLanguageEntries = 201;

// The two-letter codes of languages 1..4 (English, Dutch, German, French),
// for the texts Qt draws itself; entry 0 is empty.
inline const std::array<std::string, 5> kLanguageCodes{"", "en", "nl", "de", "fr"};

struct LanguageSection {
    bool found = false;                // the section key was found
    std::vector<std::string> entries;  // entries 0.. in order; fewer than asked when the chunk ends
};

LanguageSection readLanguageSection(std::string_view fileText, int number,
                                    int entryCount = kLanguageEntries,
                                    std::size_t chunkSize = kLanguageChunk);

// The built-in defaults both programs write into the table at the start of
// every load, so that they hold whenever the file lacks them (108 becomes
// "NO" until a section is read).
void writeLanguageDefaults(std::span<std::string> table);

// The loading step both programs share: the entries of language number's
// section in the file fill the table from entry 0 on; the rest of the table
// keeps what it held. An empty file is removed again (a language file is
// never left behind empty). False when the section is not there.
bool loadLanguageFile(const std::filesystem::path& file, int number, std::span<std::string> table);

}  // namespace plix
