// Hiding and showing all requests.
#include "desk/velto/hide_show.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class HideShowTest : public InboxFixture {};

TEST_F(HideShowTest, HideAllSendsOneRequestPerHeldRecordInOrder) {
    holdRequests(3);
    st.PageOffset = 4;
    clrall_Click(desk);
    EXPECT_EQ(market.urls,
              (std::vector<std::string>{"http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=101",
                                        "http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=102",
                                        "http://srv.test/plix_chkl.php?CD=07&ID_LV=4711&RNR=103"}));
    EXPECT_EQ(st.PageOffset, 0);
    EXPECT_EQ(st.StartupStep, 503);

    market.urls.clear();
    viewall_Click(desk);
    EXPECT_EQ(market.urls,
              std::vector<std::string>{"http://srv.test/plix_chkl.php?CD=09&ID_LV=4711"});
}

TEST_F(HideShowTest, HideAllSendsNothingForAnEmptyOrOverstatedList) {
    holdRequests(0);
    deleteall(desk);
    EXPECT_TRUE(market.urls.empty());
    EXPECT_EQ(st.StartupStep, 503);

    // The server claims 5 but lists 2: only the two listed are hidden.
    serveList({record(1), record(2)}, 5);
    getvraag(desk);
    market.urls.clear();
    deleteall(desk);
    EXPECT_EQ(market.urls.size(), 2u);
}

}  // namespace
}  // namespace plix::testing
