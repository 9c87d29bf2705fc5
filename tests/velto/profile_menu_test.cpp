// The Settings menu's Supplier and Filters entries.
#include "desk/velto/profile_menu.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class ProfileMenuTest : public InboxFixture {};

TEST_F(ProfileMenuTest, EachEntryOpensItsWindowAllowedToFetchAndOnlyOneAtATime) {
    st.TrayFlag = 1;
    market.answer("ctrl06", "QFILT=<br>a<br>b<br>4711<br>");
    velto.fr_vraag.Visible = true;
    leverancier_Click(desk);
    EXPECT_TRUE(desk.veltolev.form.Visible);
    EXPECT_EQ(st.WindowFetchAllowed, 1);
    EXPECT_FALSE(velto.fr_vraag.Visible);  // the main window is cleared
    EXPECT_EQ(market.count("ctrl04") + market.count("ctrl05"), 2);
    filter_Click(desk);
    EXPECT_FALSE(desk.veltolev.form.Visible);
    EXPECT_EQ(desk.veltoflt.tsper.Text, "a");
}

}  // namespace
}  // namespace plix::testing
