// The log window: follows the activity log while it is open.
#include <gtest/gtest.h>

#include "desk/core/activity_log.h"
#include "desk/core/veltolog.h"
#include "desk/net/transport.h"
#include "desk/velto/commands.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class LogWindow : public testing::DeskFixture {};

TEST_F(LogWindow, WindowShowsOnlyTheLastEntryOfEachSecond) {
    VeltologForm& w = desk.veltolog;
    const FormControl& frame = w.form;
    attachWindowTimers(desk, fakes.scheduler);  // as at start: the window's timer, once
    veltolog_Load(desk);
    EXPECT_TRUE(frame.Visible);
    EXPECT_EQ(frame.Left, 50);
    EXPECT_EQ(frame.Height, 10000);
    EXPECT_TRUE(w.Timer1.Enabled);

    st.OnlineFlag = 1;
    st.LogEnabled = 1;
    exchange(" ONE ", "http://a/1", "first");
    exchange(" TWO ", "http://a/2", "second");
    fakes.scheduler.advance(1000);
    EXPECT_EQ(st.LogEntryFlag, 2);
    EXPECT_EQ(w.tlog.Text, st.LastLogEntry);
    EXPECT_EQ(w.tlog.Text.find("first"), std::string::npos);
    EXPECT_NE(w.tlog.Text.find("second"), std::string::npos);
    fakes.scheduler.advance(3000);  // nothing new: nothing appended
    EXPECT_EQ(w.tlog.Text, st.LastLogEntry);

    exchange(" THREE ", "http://a/3", "third");
    fakes.scheduler.advance(1000);
    EXPECT_NE(w.tlog.Text.find("second"), std::string::npos);
    EXPECT_NE(w.tlog.Text.find("third"), std::string::npos);

    veltolog_cclr_Click(desk);
    EXPECT_EQ(w.tlog.Text, "");
    EXPECT_NE(folder.read(kLogFile).find("third"), std::string::npos);  // the file is untouched

    veltolog_cexit_Click(desk);
    EXPECT_FALSE(frame.Visible);
    EXPECT_FALSE(frame.Loaded);
    exchange(" FOUR ", "http://a/4", "fourth");
    fakes.scheduler.advance(2000);
    EXPECT_EQ(st.LogEntryFlag, 1);  // a closed window takes nothing

    veltolog_Load(desk);  // opened again: one timer, the waiting entry shown once
    fakes.scheduler.advance(1000);
    EXPECT_EQ(w.tlog.Text, st.LastLogEntry);

    unloadall(desk);  // the main window's unload of every other window stops it too
    EXPECT_FALSE(frame.Loaded);
    EXPECT_FALSE(w.Timer1.Enabled);
    EXPECT_EQ(w.tlog.Text, "");
}

}  // namespace
}  // namespace plix
