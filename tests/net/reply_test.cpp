// Reply cutting: markers, keyed values, the bracket rule and record lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk/net/reply.h"

namespace plix {
namespace {

TEST(ReplyMarkers, PositionsAreOneBasedAndCaseSensitive) {
    EXPECT_EQ(markerPos("abcnt=5", "cnt="), 3u);
    EXPECT_EQ(markerPos("cnt=5", "cnt="), 1u);
    EXPECT_EQ(markerPos("CNT=5", "cnt="), 0u);
    EXPECT_EQ(markerPos("", "cnt="), 0u);
    EXPECT_EQ(markerPos("abc", ""), 0u);
    EXPECT_EQ(markerPos("a QEND1 QEND2", "QEND"), 3u);   // the first occurrence
    EXPECT_TRUE(hasMarker("xxMESSyy", "MESS"));
    EXPECT_FALSE(hasMarker("xxMESyy", "MESS"));
}

TEST(ReplyMarkers, FromPositionNeverRunsPastTheText) {
    EXPECT_EQ(fromPosition("abcdef", 0), "abcdef");
    EXPECT_EQ(fromPosition("abcdef", 1), "abcdef");
    EXPECT_EQ(fromPosition("abcdef", 3), "cdef");
    EXPECT_EQ(fromPosition("abcdef", 7), "");
    EXPECT_EQ(fromPosition("abcdef", 1000), "");
}

TEST(ReplyKeyedValues, ValueRunsToEndOrToBracket) {
    EXPECT_EQ(afterMarker("x VERSIE=1.06", "VERSIE=").value(), "1.06");
    EXPECT_EQ(afterMarker("x VERSIE=1.06\r\n", "VERSIE=").value(), "1.06\r\n");
    EXPECT_FALSE(afterMarker("x VERSIE 1.06", "VERSIE=").has_value());
    EXPECT_EQ(afterMarker("cnt=:5", "cnt=", 1).value(), "5");
    EXPECT_EQ(afterMarker("cnt=", "cnt=", 1).value(), "");   // skip beyond the end is safe

    EXPECT_EQ(valueToBracket("TV=123]TR=77]", "TV=").value(), "123");
    EXPECT_EQ(valueToBracket("TV=123]TR=77]", "TR=").value(), "77");
    EXPECT_EQ(valueToBracket("TV=123", "TV=").value(), "");   // no "]": empty mark
    EXPECT_FALSE(valueToBracket("TR=1]", "TV=").has_value());
}

TEST(ReplyKeyedValues, NumbersFollowTheLeadingNumberRule) {
    EXPECT_EQ(numberAfter("QEND12", "QEND"), 12);
    EXPECT_EQ(numberAfter("QEND  -3.5x", "QEND"), -3.5);
    EXPECT_EQ(numberAfter("QENDabc", "QEND"), 0);
    EXPECT_EQ(numberAfter("nothing", "QEND"), 0);
    EXPECT_EQ(numberAfter("cnt=:7<br>", "cnt=", 1), 7);
    EXPECT_EQ(numberAfter("cnt=5<br>", "cnt=", 1), 0);   // the character after "=" is skipped
}

TEST(BracketRule, FieldsWrittenBackToBackCutExactly) {
    std::string_view rest = "[12][13-06 10:48][Title][][x y]tail";
    std::vector<std::string> fields;
    std::string_view f;
    while (cutField(rest, f)) fields.emplace_back(f);
    EXPECT_EQ(fields, (std::vector<std::string>{"12", "13-06 10:48", "Title", "", "x y"}));
    EXPECT_EQ(rest, "tail");
}

TEST(BracketRule, LengthArithmeticCountsFromTheStartOfTheRemainder) {
    // j - 2 characters after the "[": text before the "[" puts the count off,
    // the field then runs on past its own "]".
    std::string_view rest = "<br>[abc][def]";
    std::string_view f;
    ASSERT_TRUE(cutField(rest, f));
    EXPECT_EQ(f, "abc][de");   // j = 9, 7 characters after the "["
    EXPECT_EQ(rest, "[def]");

    rest = "x[ab]";
    ASSERT_TRUE(cutField(rest, f));
    EXPECT_EQ(f, "ab]");   // cut at the end of the text
    EXPECT_EQ(rest, "");
}

TEST(BracketRule, DamagedFieldsNeverReadOutside) {
    std::string_view f = "untouched";
    std::string_view rest = "no brackets";
    EXPECT_FALSE(cutField(rest, f));
    EXPECT_EQ(f, "untouched");
    EXPECT_EQ(rest, "no brackets");

    rest = "]x[y]";   // "]" first: an empty field, the rest after it
    ASSERT_TRUE(cutField(rest, f));
    EXPECT_EQ(f, "");
    EXPECT_EQ(rest, "x[y]");

    rest = "ab]cd";   // no "[": counted from the start
    ASSERT_TRUE(cutField(rest, f));
    EXPECT_EQ(f, "a");
    EXPECT_EQ(rest, "cd");

    rest = "[x";
    EXPECT_FALSE(cutField(rest, f));
}

TEST(BracketRule, EnclosedVariantTakesTheTextBetweenTheBrackets) {
    std::string_view rest = "head[one]<br>[two]junk[three";
    std::string_view f;
    ASSERT_TRUE(cutEnclosed(rest, f));
    EXPECT_EQ(f, "one");
    ASSERT_TRUE(cutEnclosed(rest, f));
    EXPECT_EQ(f, "two");
    EXPECT_FALSE(cutEnclosed(rest, f));   // "[" without "]"
    EXPECT_EQ(rest, "junk[three");

    rest = "a]b[c]";   // a "]" before the "[" is skipped over
    ASSERT_TRUE(cutEnclosed(rest, f));
    EXPECT_EQ(f, "c");
}

TEST(RecordLists, RequestListIsReadRecordByRecord) {
    const std::string reply =
        "<html>CNTRLCODE=02<br>[7][13-06 10:48][Chairs][Ten chairs *QL13][c1][onb]<br>"
        "[8][14-06 09:00][Desk][Oak][c2][mut]<br>QEND2";
    ReplyCursor cursor(listStart(reply, "CNTRLCODE=02", 4));
    std::vector<std::vector<std::string>> records;
    do {
        std::vector<std::string> record;
        std::string_view f;
        for (int i = 0; i < 6 && cursor.field(f); ++i) record.emplace_back(f);
        records.push_back(record);
        cursor.skip(4);
    } while (cursor.find("QEND") > 20);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"7", "13-06 10:48", "Chairs", "Ten chairs *QL13", "c1", "onb"}));
    EXPECT_EQ(records[1][2], "Desk");
    EXPECT_EQ(records[1][5], "mut");
    EXPECT_EQ(numberAfter(reply, "QEND"), 2);
}

TEST(RecordLists, MissingStartMarkerReadsFromItsOwnLength) {
    // Without "CNTRLCODE=02" the list starts at position 16 of the reply.
    EXPECT_EQ(listStart("0123456789abcdefghij", "CNTRLCODE=02", 4), "fghij");
    EXPECT_EQ(listStart("short", "CNTRLCODE=02", 4), "");
    EXPECT_EQ(listStart("..CNTRLCODE=02<br>[1]", "CNTRLCODE=02", 4), "[1]");
}

TEST(RecordLists, CursorSkipStopsAtTheEnd) {
    ReplyCursor c("abc");
    c.skip(10);
    EXPECT_TRUE(c.atEnd());
    std::string_view f;
    EXPECT_FALSE(c.field(f));
    EXPECT_EQ(c.find("x"), 0u);
}

}  // namespace
}  // namespace plix
