// The main window's fetch of the supplier record.
#include "desk/profile/supplier.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

class SupplierRecordTest : public ProfileFixture {};

TEST_F(SupplierRecordTest, ARecordFillsTheSlotsAndAWarningEndsTheMembership) {
    std::vector<std::string> slots = memberSlots();
    slots[31] = "ja";
    market.answer("ctrl04", recordReply(slots));
    velto.llab[5].Visible = false;
    getlev(desk);
    EXPECT_EQ(market.urls.back(), "http://srv.test/plix_ctrl.php?CD=04&ID_LV=4711");
    EXPECT_EQ(st.SupplierList[19], "NL01BANK|De Bank|Zeist|NL");
    EXPECT_EQ(velto.lcred.Caption, "vol");
    EXPECT_TRUE(velto.llab[5].Visible);  // "To be checked"

    // A shorter record fills what it has and leaves the rest.
    market.answer("ctrl04", "QLEV=<br>Nieuw<br>");
    getlev(desk);
    EXPECT_EQ(st.SupplierList[0], "Nieuw");
    EXPECT_EQ(st.SupplierList[31], "ja");

    market.answer("ctrl04", "Warning: not a member. QLEV=<br>x<br>");
    getlev(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.SupplierList[0], "Nieuw");
    EXPECT_TRUE(fakes.messages.shown.empty());
    st.ChangeSeen = 1;  // the message only once a change was seen
    getlev(desk);
    EXPECT_EQ(fakes.messages.shown.at(0).text, "Register first");
    EXPECT_EQ(fakes.messages.shown.at(0).title, "No PLIX member yet");
}

}  // namespace
}  // namespace plix::testing
