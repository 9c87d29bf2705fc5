#include <gtest/gtest.h>

#include "text/cp1252.h"

using namespace plix;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(cp1252ToUtf8("Fran\xE7"
                           "ais"),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(utf8ToCp1252("\xE2\x80\x9C"
                           "x"
                           "\xE2\x80\x9D"),
              "\x93x\x94");
}

TEST(Cp1252, BadUtf8AndForeignCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("\xE4\xBD\xA0"), "?");  // not in the code page
    EXPECT_EQ(utf8ToCp1252("a\x80z"), "a?z");      // stray continuation byte
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");        // cut-off sequence
    EXPECT_EQ(utf8ToCp1252("\xC3(x"), "?(x");
}

TEST(Cp1252, CaseFoldingCoversAccentedLetters) {
    EXPECT_EQ(lower1252("K\xD6LN \x8A \x9F"), "k\xF6ln \x9A \xFF");
    EXPECT_EQ(lower1252("\xD7"), "\xD7");  // the multiplication sign has no case
    EXPECT_EQ(findNoCase("Hello UTRECHT", "utrecht"), 6u);
    EXPECT_EQ(findNoCase("M\xDCNSTER", "m\xFCnster"), 0u);
    EXPECT_EQ(findNoCase("abc", ""), std::string_view::npos);
    EXPECT_EQ(findNoCase("abc", "c", 3), std::string_view::npos);
    EXPECT_EQ(findNoCase("abc", "c", 99), std::string_view::npos);
}
