// The request list: reply layout, the supplier's exclusions, the stored
// records, the drawn page and the alert.
#include "desk/inbox/inbox.h"
#include "tests/support/inbox_fixture.h"
#include "text/cp1252.h"

namespace plix::testing {
namespace {

class RequestListTest : public InboxFixture {};

TEST_F(RequestListTest, CountryExclusionDropsARecordAndTheNextTakesItsPlace) {
    st.CountryBlock[2] = 3;
    serveList({record(1, "", "plain"), record(2, "", "far away*QL13"), record(3, "", "near*QL12")});
    getvraag(desk);

    EXPECT_EQ(st.HeldCount, 2);
    EXPECT_EQ(st.AcceptedCount, 2);
    EXPECT_EQ(st.Requests[0].number, "1");
    EXPECT_EQ(st.Requests[1].number, "3");
    EXPECT_EQ(st.Requests[1].details, "near");  // the marker is cut away
    EXPECT_EQ(st.Requests[1].country, 2);
    EXPECT_EQ(visibleRows(), 2);
    EXPECT_EQ(market.urls.front(), "http://srv.test/plix_chkl.php?CD=02&ID_LV=4711");
    // The row markers follow the list: reaction counts, then the offered requests.
    EXPECT_EQ(market.keys(), (std::vector<std::string>{"chkl02", "chkl18", "chkl11"}));
}

TEST_F(RequestListTest, PlaceFiltersIgnoreCaseAndLookOnlyAfterThePlaceMarker) {
    const std::vector<ListRecord> list = {
        record(1, "", "x*QPAMSTERDAM Centrum*QL11"),
        record(2, "", "x*QPUtrecht*QL11"),
        record(3, "", "rotterdam wanted*QPAmsterdam"),       // excluded word before the marker
        record(4, "", "*QPAmsterdam-Noord near ROTTERDAM"),  // excluded word after it
        record(5, "", "*QP\xC9PINAL amsterdam"),             // accented capital
        record(6, "", "no place at all")};
    serveList(list);
    st.SupplierList[3] = "amsterdam";
    st.SystemList[15] = "rotterdam";
    st.SystemList[16] = "";  // an empty word excludes nothing
    getvraag(desk);
    ASSERT_EQ(st.AcceptedCount, 4);
    EXPECT_EQ(st.Requests[0].number, "1");
    EXPECT_EQ(st.Requests[1].number, "3");
    EXPECT_EQ(st.Requests[2].number, "5");
    EXPECT_EQ(st.Requests[3].number, "6");
    EXPECT_EQ(st.HeldCount, 4);

    st.SystemList[16] = "\xE9pinal";  // lower-case e acute matches the capital
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 3);

    EXPECT_EQ(findNoCase("abc\xC0x", "\xE0X"), 3u);
    EXPECT_EQ(findNoCase("abc", ""), std::string_view::npos);
}

TEST_F(RequestListTest, VisitOnlyRequestsAndDamagedCountryCodes) {
    serveList({record(1, "", "come by*QV"), record(2, "", "odd*QLab"), record(3, "", "odd*QL09")});
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 3);  // slot 9 is free: visits pass
    EXPECT_EQ(st.Requests[1].country, 0);
    EXPECT_EQ(st.Requests[1].details, "odd");
    // A code below 11 would give -1, the mark of a free slot; it must not
    // match the free slots and hide the request.
    EXPECT_EQ(st.Requests[2].country, -1);

    st.CountryBlock[9] = 10;
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 2);
    EXPECT_EQ(st.HeldCount, 2);
    EXPECT_EQ(st.Requests[0].number, "2");
}

TEST_F(RequestListTest, MaxShownCutsThePageAndSaysSo) {
    std::vector<ListRecord> list;
    for (int i = 1; i <= 25; ++i) list.push_back(record(i));
    serveList(list);
    st.MaxShown = 5;
    getvraag(desk);
    EXPECT_EQ(visibleRows(), 5);
    EXPECT_EQ(st.LimitNote, "   max. 5");
    EXPECT_EQ(velto.fr_vraag.Caption, " 25  questions   max. 5");
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(velto.cvraag[i].Visible) << i;
    EXPECT_FALSE(velto.cvraag[1].Enabled);  // on the first page
    EXPECT_TRUE(velto.cvraag[0].Enabled);

    serveList({record(1)});
    getvraag(desk);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(velto.cvraag[i].Visible) << i;
    EXPECT_EQ(velto.fr_vraag.Caption, " 1  question");
    EXPECT_EQ(st.LimitNote, "");
}

TEST_F(RequestListTest, FirstFetchOfARunFillsTheRecordsButDrawsNoRows) {
    st.FirstFetchDone = 0;
    serveList({record(1, "onb"), record(2)});
    st.SoundArmed = 1;
    getvraag(desk);
    EXPECT_EQ(visibleRows(), 0);
    EXPECT_EQ(st.HeldCount, 2);
    EXPECT_EQ(st.InboxLoaded, 1);
    EXPECT_EQ(st.FirstFetchDone, 1);
    EXPECT_TRUE(fakes.sound.played.empty());

    getvraag(desk);
    EXPECT_EQ(visibleRows(), 2);
}

TEST_F(RequestListTest, RowsShowNewChangedAndSeenRequests) {
    serveList({record(1, "onb"), record(2, "mut"), record(3, "gez")});
    getvraag(desk);
    EXPECT_EQ(velto.lnr[0].BackColor, 0xAAC3A7);
    EXPECT_TRUE(velto.cnew[0].Visible);
    EXPECT_FALSE(velto.cvink[0].Visible);
    EXPECT_FALSE(velto.chand[0].Visible);

    EXPECT_EQ(velto.lnr[1].BackColor, 0x88DBE8);
    EXPECT_TRUE(velto.chand[1].Visible);
    EXPECT_FALSE(velto.cnew[1].Visible);

    EXPECT_EQ(velto.lnr[2].BackColor, 0xD0D0D0);
    EXPECT_TRUE(velto.cvink[2].Visible);
    EXPECT_EQ(velto.lnr[2].Caption, "3");
    EXPECT_EQ(velto.ltime[2].Caption, "13-06 10:3 ");
    EXPECT_EQ(velto.lvraag[2].Caption, "Title 3 ");
    EXPECT_FALSE(velto.lnr[3].Visible);
    EXPECT_TRUE(velto.fr_vraag.Visible);

    EXPECT_EQ(st.ReactionsCommand, 0);

    // The next fetch starts from resting colours.
    serveList({record(1), record(2)});
    getvraag(desk);
    EXPECT_EQ(velto.lnr[0].BackColor, 0xD0D0D0);
    EXPECT_FALSE(velto.chand[1].Visible);
}

TEST_F(RequestListTest, OneAlertPerFetchThatRunsToItsEnd) {
    serveList({record(1, "onb"), record(2, "mut"), record(3, "onb")});
    st.SoundArmed = 1;
    getvraag(desk);
    EXPECT_EQ(fakes.sound.played.size(), 1u);
    EXPECT_LE(fakes.sound.stops,
              1);  // at most the stop that starts the play; no later row stops it
    EXPECT_EQ(st.SoundArmed, 0);

    getvraag(desk);  // not armed: silent
    EXPECT_EQ(fakes.sound.played.size(), 1u);

    st.SoundArmed = 1;
    st.SupplierList[27] = "nee";
    getvraag(desk);
    EXPECT_EQ(fakes.sound.played.size(), 1u);
}

TEST_F(RequestListTest, TheNotificationNamesWhatIsNewSinceThePreviousFetch) {
    const auto told = [this] {
        return fakes.notifier.shown.empty() ? std::string() : fakes.notifier.shown.back().text;
    };
    st.LanguageTable[80] = "New requests";
    serveList({record(1, "onb"), record(2, "mut"), record(3)});
    getvraag(desk);
    EXPECT_EQ(told(), "New requests (2): Title 1");

    // A new request further down is named, not the old new one on top.
    serveList({record(1, "onb"), record(2, "mut"), record(3), record(4, "onb")});
    getvraag(desk);
    EXPECT_EQ(told(), "Title 4");
    getvraag(desk);  // nothing new since: nothing told
    EXPECT_EQ(fakes.notifier.shown.size(), 2u);

    // Changed once more (its text differs): named again. A failed fetch in
    // between forgets nothing.
    market.answer("chkl02", "");
    getvraag(desk);
    serveList({record(1, "onb"), record(2, "mut", "new details"), record(3), record(4, "onb")});
    getvraag(desk);
    EXPECT_EQ(told(), "Title 2");
    EXPECT_EQ(fakes.notifier.shown.size(), 3u);
}

TEST_F(RequestListTest, RepliesWithoutAListLeaveRowsHiddenAndTheCaptionAlone) {
    serveList({record(1), record(2)});
    getvraag(desk);
    const std::string caption = velto.fr_vraag.Caption;

    for (const char* reply : {"", "<h1>404 Not Found</h1>", "CNTRLCODE=02<br>QEND7", "QEND9"}) {
        market.answer("chkl02", reply);
        getvraag(desk);
        EXPECT_EQ(visibleRows(), 0) << reply;
        EXPECT_EQ(st.InboxLoaded, 0) << reply;
        EXPECT_EQ(velto.fr_vraag.Caption, caption) << reply;
        EXPECT_EQ(st.AcceptedCount, 2) << reply;
    }
    EXPECT_EQ(st.HeldCount, 9);  // whatever follows "QEND"

    // Without the start marker reading begins at the 16th character.
    market.answer("chkl02", "ABCDEFGHIJKLMNO[7][t][x][d][a][onb]<br>QEND1");
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 1);
    EXPECT_EQ(st.Requests[0].number, "7");
}

TEST_F(RequestListTest, DamagedRecordsEndTheListWithoutHarm) {
    // A record whose last field is never closed, a wild count, a huge number.
    market.answer("chkl02",
                  "CNTRLCODE=02<br>[1][t][x][d][a][onb]<br>[2][t][x][d][a][onb<br>................."
                  ".......QEND99999999999999999999");
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 1);
    EXPECT_EQ(st.Requests[0].number, "1");
    EXPECT_GT(st.HeldCount, 0);
    EXPECT_EQ(visibleRows(), 1);  // only rows with a record behind them

    market.answer("chkl02", "CNTRLCODE=02<br>]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]QEND-4");
    getvraag(desk);
    EXPECT_EQ(visibleRows(), 0);
    EXPECT_EQ(st.AcceptedCount, 2);  // records of six empty fields
    EXPECT_EQ(velto.fr_vraag.Caption, "-4  questions");
}

TEST_F(RequestListTest, TheEndMarkerCountsOnlyAheadOfTheReading) {
    // "QEND" inside a record already read does not end the list early.
    serveList({{"1", "t", "QEND of season sale", "d", "a", "onb"}, record(2), record(3)});
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 3);
    EXPECT_EQ(st.Requests[2].number, "3");
}

TEST_F(RequestListTest, SurplusBeyond257IsCountedButNotStored) {
    std::vector<ListRecord> list;
    for (int i = 1; i <= 300; ++i) list.push_back(record(i));
    serveList(list);
    getvraag(desk);
    EXPECT_EQ(st.AcceptedCount, 300);
    EXPECT_EQ(st.HeldCount, 300);
    EXPECT_EQ(st.Requests[256].number, "257");

    st.PageOffset = 290;  // the last page lies beyond the stored records
    getvraag(desk);
    EXPECT_EQ(st.PageOffset, 290);
    EXPECT_EQ(visibleRows(), 0);
    st.PageOffset = 250;
    getvraag(desk);
    EXPECT_EQ(visibleRows(), 7);
    EXPECT_EQ(velto.lnr[6].Caption, "257");
}

TEST_F(RequestListTest, APageLeftBehindByAShorterListMovesBack) {
    std::vector<ListRecord> list;
    for (int i = 1; i <= 30; ++i) list.push_back(record(i));
    serveList(list);
    st.PageOffset = 20;
    getvraag(desk);
    EXPECT_EQ(velto.lnr[0].Caption, "21");

    list.resize(12);
    serveList(list);
    getvraag(desk);
    EXPECT_EQ(st.PageOffset, 2);
    EXPECT_EQ(velto.lnr[0].Caption, "3");
    EXPECT_EQ(visibleRows(), 10);
}

TEST_F(RequestListTest, TheListStaysHiddenWhileTheServerOrderedADisconnect) {
    serveList({record(1)});
    st.ServerCommand = 2;
    getvraag(desk);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    st.ServerCommand = 0;
    getvraag(desk);
    EXPECT_TRUE(velto.fr_vraag.Visible);
}

}  // namespace
}  // namespace plix::testing
