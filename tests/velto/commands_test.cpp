// Main-window commands shared by several others: unloading the other windows, clearing the screen.
#include "desk/velto/commands.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class CommandsTest : public InboxFixture {};

TEST_F(CommandsTest, UnloadAllClosesTheOtherWindowsAndClearScreenHidesTheFrames) {
    int unloaded = 0;
    desk.windows.veltoflt.onUnload = [&unloaded](Desk&) { ++unloaded; };
    showWindow(desk.windows.veltoflt);
    showWindow(desk.windows.veltorsp);
    st.FilterArmed = 1;
    velto.frsystem.Visible = velto.fr_vraag.Visible = true;
    clrscr(desk);
    EXPECT_FALSE(velto.frsystem.Visible);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_FALSE(desk.windows.veltoflt.form.Loaded);
    EXPECT_FALSE(desk.windows.veltorsp.form.Visible);
    EXPECT_EQ(unloaded, 1);
    EXPECT_EQ(st.FilterArmed, 0);
    unloadall(desk);
    EXPECT_EQ(unloaded, 1);   // an unloaded window is not unloaded twice
}

}  // namespace
}  // namespace plix::testing
