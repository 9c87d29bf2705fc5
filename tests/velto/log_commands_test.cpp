#include <gtest/gtest.h>

#include "desk/core/activity_log.h"
#include "desk/velto/log_commands.h"
#include "desk/core/veltolog.h"
#include "tests/support/desk_fixture.h"

using namespace plix;

namespace {

class LogCommandsTest : public plix::testing::DeskFixture {};

TEST_F(LogCommandsTest, LogToFileTogglesTheTickAndTheViewItem) {
    logfile_Click(desk);
    EXPECT_EQ(st.LogEnabled, 1);
    EXPECT_TRUE(velto.logfile.Checked);
    EXPECT_TRUE(velto.viewl.Enabled);
    logfile_Click(desk);
    EXPECT_EQ(st.LogEnabled, 0);
    EXPECT_FALSE(velto.logfile.Checked);
    EXPECT_FALSE(velto.viewl.Enabled);
}

TEST_F(LogCommandsTest, ViewOpensTheLogWindowAndClearEmptiesTheFile) {
    VeltologForm log;
    viewl_Click(desk, log);
    EXPECT_TRUE(desk.windows.veltolog.form.Visible);
    EXPECT_EQ(desk.windows.veltolog.form.Width, 5200);
    EXPECT_TRUE(log.Timer1.Enabled);

    folder.write(kLogFile, "an old entry");
    clrlog_Click(desk);
    EXPECT_EQ(folder.read(kLogFile), "");
}

}  // namespace
