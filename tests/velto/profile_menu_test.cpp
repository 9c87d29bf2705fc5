// The Settings menu's Supplier and Filters entries.
#include "desk/velto/profile_menu.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class ProfileMenuTest : public InboxFixture {
protected:
    ProfileMenuTest() {
        st.TrayFlag = 1;
        market.answer("ctrl05", "MAX=1<br>A00 Bouw*1<br>QCNT=1<br>");
        market.answer("ctrl06", "QFILT=<br>a<br>b<br>4711<br>");
    }
};

TEST_F(ProfileMenuTest, EachEntryOpensItsWindowAllowedToFetchAndOnlyOneAtATime) {
    velto.fr_vraag.Visible = true;
    st.IdleTicks = 20;
    leverancier_Click(desk);
    EXPECT_TRUE(desk.veltolev.form.Visible);
    EXPECT_EQ(st.WindowFetchAllowed, 1);
    EXPECT_EQ(st.IdleTicks, 0);
    EXPECT_FALSE(velto.fr_vraag.Visible);  // the main window is cleared
    EXPECT_EQ(market.count("ctrl04"), 1);
    EXPECT_EQ(market.count("ctrl05"), 1);

    filter_Click(desk);
    EXPECT_FALSE(desk.veltolev.form.Visible);
    EXPECT_TRUE(desk.veltoflt.form.Visible);
    EXPECT_EQ(desk.veltoflt.tsper.Text, "a");
    EXPECT_EQ(market.count("ctrl06"), 1);
}

}  // namespace
}  // namespace plix::testing
