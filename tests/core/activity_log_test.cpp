// The activity log file.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "desk/core/activity_log.h"
#include "desk/core/veltolog.h"
#include "desk/net/transport.h"
#include "desk/velto/commands.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class ActivityLog : public testing::DeskFixture {};

TEST(LogEntry, ExactFormat) {
    DeskState s;
    s.OperationLabel = " GETVRAAG ";
    s.RequestUrl = "http://h/plix_chkl.php?CD=02&ID_LV=7";
    s.ServerReply = "CNTRLCODE=02<br>QEND0";
    EXPECT_EQ(logEntry(s, "09:05:03"),
              " GETVRAAG 09:05:03\r\n\r\nhttp://h/plix_chkl.php?CD=02&ID_LV=7\r\n\r\n"
              "CNTRLCODE=02<br>QEND0\r\n------------------------\r\n");
    EXPECT_TRUE(std::regex_match(timeOfDayNow(), std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]")));
}

TEST_F(ActivityLog, OneEntryPerExchangeAppendedInOrder) {
    st.OnlineFlag = 1;
    st.LogEnabled = 1;
    folder.write(kLogFile, "older run\r\n");
    exchange(" CONTEST ", "http://a/plix_ctrl.php?CD=01", "cnt=:1");
    exchange(" GETCHANGE ", "http://a/plix_chkl.php?CD=03", "TV=1]");
    const std::string file = folder.read(kLogFile);
    const std::regex layout(
        "older run\r\n"
        " CONTEST "
        "\\d\\d:\\d\\d:\\d\\d\r\n\r\nhttp://a/plix_ctrl\\.php\\?CD=01\r\n\r\ncnt=:1\r\n-{24}\r\n"
        " GETCHANGE "
        "\\d\\d:\\d\\d:\\d\\d\r\n\r\nhttp://a/plix_chkl\\.php\\?CD=03\r\n\r\nTV=1\\]\r\n-{24}\r\n");
    EXPECT_TRUE(std::regex_match(file, layout)) << file;
    EXPECT_EQ(st.LogEntryFlag, 1);
    EXPECT_EQ(st.LastLogEntry.substr(0, 11), " GETCHANGE ");
}

TEST_F(ActivityLog, UnwritableFileIsReportedWhereItStaysVisibleOncePerStreak) {
    std::filesystem::create_directory(folder / kLogFile);  // a folder where the file should be
    st.OnlineFlag = 1;
    st.LogEnabled = 1;
    st.LineBreak = "\r\n";
    VeltologForm& w = desk.veltolog;
    attachWindowTimers(desk, fakes.scheduler);
    veltolog_Load(desk);
    velto.ltest.Caption = "Testing connection";
    velto.ltest.Visible = false;  // under the request list: not raised for the note
    exchange(" A ", "http://a/1", "one");
    EXPECT_EQ(st.ServerReply, "one");
    EXPECT_FALSE(velto.ltest.Visible);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection");
    fakes.scheduler.advance(1000);
    const std::string note = "plixlog.txt cannot be written: Is a directory";
    EXPECT_EQ(desk.veltolog.form.Caption, "Log  -  " + note);
    EXPECT_EQ(w.tlog.Text.find(note), 0u);  // and once in the log itself, before the entry
    EXPECT_NE(w.tlog.Text.find("one"), std::string::npos);

    velto.ltest.Visible = true;  // the status line is up: a note there only for a new streak
    exchange(" B ", "http://a/2", "two");
    fakes.scheduler.advance(1000);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection");
    EXPECT_EQ(w.tlog.Text.find(note, 1), std::string::npos);
    EXPECT_NE(w.tlog.Text.find("two"), std::string::npos);  // the log window still gets the entry

    std::filesystem::remove(folder / kLogFile);  // writable again
    exchange(" C ", "http://a/3", "three");
    fakes.scheduler.advance(1000);
    EXPECT_EQ(desk.veltolog.form.Caption, "Log");
    EXPECT_NE(folder.read(kLogFile).find("three"), std::string::npos);

    std::filesystem::remove(folder / kLogFile);  // fails again: a new streak is news
    std::filesystem::create_directory(folder / kLogFile);
    exchange(" D ", "http://a/4", "four");
    EXPECT_EQ(velto.ltest.Caption, "Testing connection\r\n" + note);
}

}  // namespace
}  // namespace plix
