// Main-window commands shared by several others: unloading the other windows, clearing the screen.
#include "desk/velto/commands.h"
#include "desk/core/veltolog.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class CommandsTest : public InboxFixture {};

TEST_F(CommandsTest, UnloadAllClosesTheOtherWindowsAndClearScreenHidesTheFrames) {
    attachWindowTimers(desk, fakes.scheduler);
    veltolog_Load(desk);
    desk.veltolog.tlog.Text = "an entry";
    st.FilterArmed = 1;
    velto.frsystem.Visible = velto.fr_vraag.Visible = true;
    clrscr(desk);
    EXPECT_FALSE(velto.frsystem.Visible);
    EXPECT_FALSE(velto.fr_vraag.Visible);
    EXPECT_FALSE(desk.veltolog.form.Loaded);  // through the window's own unload procedure
    EXPECT_FALSE(desk.veltolog.form.Visible);
    EXPECT_FALSE(desk.veltolog.Timer1.Enabled);
    EXPECT_EQ(desk.veltolog.tlog.Text, "");
    EXPECT_EQ(st.FilterArmed, 0);

    desk.veltolog.tlog.Text = "kept";
    unloadall(desk);
    EXPECT_EQ(desk.veltolog.tlog.Text, "kept");  // an unloaded window is not unloaded twice
}

}  // namespace
}  // namespace plix::testing
