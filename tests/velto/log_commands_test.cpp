#include <gtest/gtest.h>

#include "desk/core/activity_log.h"
#include "desk/core/veltolog.h"
#include "desk/velto/log_commands.h"
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
    viewl_Click(desk);
    EXPECT_TRUE(desk.veltolog.form.Visible);
    EXPECT_EQ(desk.veltolog.form.Width, 5200);
    EXPECT_TRUE(desk.veltolog.Timer1.Enabled);

    folder.write(kLogFile, "an old entry");
    clrlog_Click(desk);
    EXPECT_EQ(folder.read(kLogFile), "");
}

}  // namespace
