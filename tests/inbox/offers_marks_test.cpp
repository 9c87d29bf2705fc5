// The row markers: reaction counts and offered requests, laid on the rows
// that show their requests.
#include "desk/inbox/offers_marks.h"

#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class RowMarkers : public InboxFixture {
protected:
    // 25 requests (101..125), the second page shown: rows 0..9 hold 111..120.
    RowMarkers() {
        std::vector<ListRecord> list;
        for (int i = 1; i <= 25; ++i) list.push_back(record(100 + i));
        serveList(list);
        st.PageOffset = 10;
        st.LanguageTable[87] = " offer";
    }
};

TEST_F(RowMarkers, EachCountColoursTheRowOfItsOwnRequest) {
    // Counts for the whole list, in the order sent: from request 101 on.
    std::string counts;
    for (int i = 1; i <= 25; ++i)
        counts += "[" + std::to_string(100 + i) + "][" +
                  (i == 12   ? "21"
                   : i == 13 ? "51"
                   : i == 14 ? "6"
                   : i == 1  ? "99"
                             : "3") +
                  "]<br>";
    market.answer("chkl18", counts + "QEND25");
    getvraag(desk);
    EXPECT_NE(market.urls[1].find("CTR=%3C101%3E%3C102%3E"), std::string::npos);
    EXPECT_EQ(velto.Shape1[0].BackColor, kButtonFaceColour);     // 111 has 3; 101's 99 is not its
    EXPECT_EQ(velto.Shape1[1].BackColor, kBusyReactionsColour);  // 112: 21
    EXPECT_EQ(velto.Shape1[2].BackColor, kCrowdedReactionsColour);  // 113: 51
    EXPECT_EQ(velto.Shape1[3].BackColor, kManyReactionsColour);     // 114: 6
    EXPECT_EQ(st.ReactionCounts[2], 51);

    // A later fetch where 114 has 3 starts from the resting fill (the rows are cleared).
    market.answer("chkl18", "[114][3]<br>QEND1");
    getvraag(desk);
    EXPECT_EQ(velto.Shape1[3].BackColor, kButtonFaceColour);
}

TEST_F(RowMarkers, OfferedRequestsAreMarkedOnlyWhereTheyAreShown) {
    market.answer("chkl11", "[105][113]<br>QEND2");
    getvraag(desk);
    EXPECT_EQ(st.OfferedRequests, (std::vector<std::string>{"105", "113"}));
    EXPECT_EQ(velto.ltime[2].Caption, " offer  ");
    EXPECT_EQ(velto.ltime[2].BackColor, kOfferedRowColour);
    for (int row : {0, 1, 3, 9}) EXPECT_EQ(velto.ltime[row].BackColor, 0xD2D2D2) << row;
    st.PageOffset = 0;  // 105 on the first page is marked once that page is shown
    getvraag(desk);
    EXPECT_EQ(velto.ltime[4].Caption, " offer  ");
}

TEST_F(RowMarkers, RowsKeepTheirTitlesAfterTheMarkersReplacedTheReply) {
    // The marker replies are longer than the list and share none of its
    // text: a look into the list's reply after they came would show theirs.
    market.answer("chkl18", std::string(5000, '[') + "]");
    market.answer("chkl11", "[" + std::string(5000, 'x') + "]");
    getvraag(desk);
    for (int row = 0; row < kRows; ++row) {
        EXPECT_EQ(velto.lvraag[row].Caption, "Title " + std::to_string(111 + row) + " ");
        EXPECT_EQ(st.Requests[10 + row].title, "Title " + std::to_string(111 + row));
    }
    EXPECT_EQ(st.HeldCount, 25);
}

}  // namespace
}  // namespace plix::testing
