// The language file we ship, and the reader's rules for what it finds.
#include <gtest/gtest.h>

#include <string>

#include "desk/core/files.h"
#include "desk/lang/language_file.h"

using namespace plix;

namespace {

std::string section(int number, int entries, const std::string& fill = "t") {
    std::string s = "[" + std::to_string(number) + "]\r\n";
    for (int k = 0; k < entries; ++k)
        s += "<" + (k == 108 ? std::string("OK") : fill + std::to_string(k)) + ">\r\n";
    return s;
}

TEST(LanguageFile, ShippedFileHasFourCompleteSections) {
    const auto text = readWholeFile(std::string(PLIX_SOURCE_DIR) + "/data/pxlng.dat");
    ASSERT_TRUE(text.has_value());
    for (int number = 1; number <= 4; ++number) {
        const LanguageSection s = readLanguageSection(*text, number);
        ASSERT_TRUE(s.found) << number;
        ASSERT_EQ(s.entries.size(), 201u) << number;
        EXPECT_EQ(s.entries[108], "OK") << number;
        EXPECT_EQ(s.entries[200], "1") << number;
        // Menu captions carry an accelerator; the supplier menu's comes first
        // because the login item shows that caption without its first character.
        for (int k : {0, 1, 2, 3, 4, 15, 16, 18, 19, 20})
            EXPECT_NE(s.entries[k].find('&'), std::string::npos) << number << ":" << k;
        EXPECT_EQ(s.entries[3].front(), '&') << number;
        // The next section's key must not be swallowed by this one.
        for (const auto& e : s.entries) EXPECT_EQ(e.find('['), std::string::npos) << number;
    }
    const LanguageSection english = readLanguageSection(*text, 1);
    EXPECT_EQ(english.entries[105], "No Internet connection");
    EXPECT_EQ(english.entries[116], "Are you sure?  ");
    EXPECT_FALSE(readLanguageSection(*text, 5).found);
}

TEST(LanguageFile, SectionsAreFoundByKeyAndEntriesSkipWhatLiesBetween) {
    const std::string file = "remark\r\n" + section(1, 201, "en") + section(2, 201, "nl");
    const LanguageSection nl = readLanguageSection(file, 2);
    ASSERT_TRUE(nl.found);
    ASSERT_EQ(nl.entries.size(), 201u);
    EXPECT_EQ(nl.entries[0], "nl0");
    EXPECT_EQ(nl.entries[200], "nl200");
    EXPECT_EQ(readLanguageSection("[1]<a>  skipped <> <c>", 1, 3).entries,
              (std::vector<std::string>{"a", "", "c"}));
}

TEST(LanguageFile, KeySplitAcrossChunksIsNotFound) {
    std::string file(31998, ' ');
    file += section(2, 201);  // "[2]" starts at 31998 and ends in the next chunk
    EXPECT_FALSE(readLanguageSection(file, 2).found);
    std::string whole(32000, ' ');
    whole += section(2, 201);  // wholly in the second chunk
    EXPECT_TRUE(readLanguageSection(whole, 2).found);
}

TEST(LanguageFile, EntriesStopAtTheEndOfTheKeysChunk) {
    std::string file = section(1, 201);
    file.insert(0, std::string(32000 - 100, ' '));
    const LanguageSection s = readLanguageSection(file, 1);
    EXPECT_TRUE(s.found);
    EXPECT_LT(s.entries.size(), 201u);
    // A section with an unclosed entry stops there without reading past it.
    EXPECT_EQ(readLanguageSection("[1]<a><b", 1).entries.size(), 1u);
}

}  // namespace
