// The conversation of one request: cutting the reply and the shown text.
#include "desk/trade/conversation.h"

#include <gtest/gtest.h>

#include "tests/support/trade_fixture.h"

namespace plix::testing {
namespace {

TEST(ConversationParse, ReadsEveryFieldUpToTheEndMarker) {
    // A long field followed by shorter ones: every one is read, and nothing
    // after "<br>QEND" (the server's closing padding is not needed).
    const std::string reply = "<html>RNR=7<br>[details aanvraag 7][" + std::string(300, 'x') +
                              "][ok][beantwoord op 13-06 10:48][yes]<br>QEND5[late]";
    const auto fields = parseConversation(reply);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[1].size(), 300u);
    EXPECT_EQ(fields[4], "yes");

    EXPECT_TRUE(parseConversation("Error 400<br>[no]").empty());  // no "RNR"
    EXPECT_TRUE(parseConversation("").empty());
    EXPECT_EQ(parseConversation("RNR=7<br>[a][b").size(), 1u);  // cut short: no harm
    std::string many = "RNR=7<br>";
    for (int i = 0; i < 300; ++i) many += "[f]";
    EXPECT_EQ(parseConversation(many).size(), kMaxConversationFields);  // never past 257
}

TEST(ConversationRender, HeadingsAreWrittenOverAndMarkedOtherFieldsGetARule) {
    const std::vector<std::string> fields = {
        "details aanvraag 7",         "We can do it.<br>Tuesday?",
        "beantwoord op 13-06 10:48",  "Yes please",
        "vervolgreactie 13-06 11:00", "Fine.",
        "details aanvraag      "};
    // An 11-character heading leaves the rest of the Dutch phrase; a heading
    // longer than the field is cut at its end.
    const ConversationText c = renderConversation(fields, "Answered on", std::string(40, 'F'));
    const std::string rule = " " + std::string(55, '_') + "\r\n";
    EXPECT_EQ(c.text, " We can do it.\r\nTuesday?\r\n" + rule + " Answered onop 13-06 10:48\r\n" +
                          " Yes please\r\n" + rule + " " + std::string(26, 'F') + "\r\n" + rule +
                          " Fine.\r\n" + rule);
    ASSERT_EQ(c.spans.size(), 1u);  // the cut heading is no longer itself: plain, unmarked
    EXPECT_EQ(c.spans[0].Start, static_cast<int>(c.text.find("Answered on")));
    EXPECT_EQ(c.spans[0].Length, 24);
    EXPECT_EQ(c.spans[0].Color, 0x0F7F00);
    EXPECT_EQ(c.spans[0].Font, "Courier New");
    EXPECT_TRUE(c.spans[0].Bold);

    // Without a language the server's phrases are the headings, in dark red
    // for a follow-up; a mark never runs past the text.
    const ConversationText plain = renderConversation({"r", "vervolgreactie 1"}, "", "");
    EXPECT_EQ(plain.text, " vervolgreactie 1\r\n");
    ASSERT_EQ(plain.spans.size(), 1u);
    EXPECT_EQ(plain.spans[0].Color, 0x0F007F);
    EXPECT_EQ(plain.spans[0].Start + plain.spans[0].Length, static_cast<int>(plain.text.size()));
}

}  // namespace
}  // namespace plix::testing
