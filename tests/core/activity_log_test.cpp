// The activity log file.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "desk/core/activity_log.h"
#include "desk/net/transport.h"
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
        " CONTEST \\d\\d:\\d\\d:\\d\\d\r\n\r\nhttp://a/plix_ctrl\\.php\\?CD=01\r\n\r\ncnt=:1\r\n-{24}\r\n"
        " GETCHANGE \\d\\d:\\d\\d:\\d\\d\r\n\r\nhttp://a/plix_chkl\\.php\\?CD=03\r\n\r\nTV=1\\]\r\n-{24}\r\n");
    EXPECT_TRUE(std::regex_match(file, layout)) << file;
    EXPECT_EQ(st.LogEntryFlag, 1);
    EXPECT_EQ(st.LastLogEntry.substr(0, 11), " GETCHANGE ");
}

TEST_F(ActivityLog, UnwritableFileIsReportedOnceAndNeverStopsTheFetch) {
    std::filesystem::create_directory(folder / kLogFile);   // a folder where the file should be
    st.OnlineFlag = 1;
    st.LogEnabled = 1;
    st.LineBreak = "\r\n";
    velto.ltest.Caption = "Testing connection";
    exchange(" A ", "http://a/1", "one");
    EXPECT_EQ(st.ServerReply, "one");
    EXPECT_EQ(st.LogWriteFailed, 1);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection\r\nplixlog.txt cannot be written");
    EXPECT_TRUE(velto.ltest.Visible);
    exchange(" B ", "http://a/2", "two");
    EXPECT_EQ(st.ServerReply, "two");
    EXPECT_EQ(velto.ltest.Caption, "Testing connection\r\nplixlog.txt cannot be written");
    EXPECT_EQ(st.LogEntryFlag, 1);   // the log window still gets the entry
    EXPECT_NE(st.LastLogEntry.find("two"), std::string::npos);

    std::filesystem::remove(folder / kLogFile);   // writable again: the next failure is news
    exchange(" C ", "http://a/3", "three");
    EXPECT_EQ(st.LogWriteFailed, 0);
    EXPECT_NE(folder.read(kLogFile).find("three"), std::string::npos);
}

}  // namespace
}  // namespace plix
