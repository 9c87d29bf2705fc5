#pragma once
// Reader of the language file format shared by plixdesk and plixinst.
//
// A section is "[" + number + "]" followed by its entries, each "<" + text +
// ">"; whatever stands between entries (line breaks, remarks) is skipped.
// The file is searched in chunks of 32000 characters: a key must lie wholly
// inside one chunk, and only the entries within the key's chunk are read.
#include <string>
#include <string_view>
#include <vector>

namespace plix {

constexpr std::size_t kLanguageChunk = 32000;
constexpr int kLanguageEntries = 201;

struct LanguageSection {
    bool found = false;                // the section key was found
    std::vector<std::string> entries;  // entries 0.. in order; fewer than asked when the chunk ends
};

LanguageSection readLanguageSection(std::string_view fileText, int number,
                                    int entryCount = kLanguageEntries,
                                    std::size_t chunkSize = kLanguageChunk);

}  // namespace plix
