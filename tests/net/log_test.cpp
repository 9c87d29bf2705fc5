// The activity log file and the log window.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "desk/core/activity_log.h"
#include "desk/core/veltolog_form.h"
#include "desk/net/transport.h"
#include "desk/trade/commands.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class ActivityLog : public testing::DeskFixture {
protected:
    void exchange(const char* label, const char* url, const char* body) {
        st.OperationLabel = label;
        st.RequestUrl = url;
        fakes.http.replies.push_back({true, body, ""});
        geturl(desk);
    }
};

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

TEST_F(ActivityLog, WindowShowsOnlyTheLastEntryOfEachSecond) {
    VeltologForm w;
    const FormControl& frame = desk.windows.veltolog.form;
    veltolog_Load(desk, w);
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
    fakes.scheduler.advance(3000);   // nothing new: nothing appended
    EXPECT_EQ(w.tlog.Text, st.LastLogEntry);

    exchange(" THREE ", "http://a/3", "third");
    fakes.scheduler.advance(1000);
    EXPECT_NE(w.tlog.Text.find("second"), std::string::npos);
    EXPECT_NE(w.tlog.Text.find("third"), std::string::npos);

    veltolog_cclr_Click(desk, w);
    EXPECT_EQ(w.tlog.Text, "");
    EXPECT_NE(folder.read(kLogFile).find("third"), std::string::npos);   // the file is untouched

    veltolog_cexit_Click(desk, w);
    EXPECT_FALSE(frame.Visible);
    EXPECT_FALSE(frame.Loaded);
    exchange(" FOUR ", "http://a/4", "fourth");
    fakes.scheduler.advance(2000);
    EXPECT_EQ(st.LogEntryFlag, 1);   // a closed window takes nothing

    veltolog_Load(desk, w);   // opened again: one timer, the waiting entry shown once
    fakes.scheduler.advance(1000);
    EXPECT_EQ(w.tlog.Text, st.LastLogEntry);

    unloadall(desk);   // the main window's unload of every other window stops it too
    EXPECT_FALSE(frame.Loaded);
    EXPECT_FALSE(w.Timer1.Enabled);
    EXPECT_EQ(w.tlog.Text, "");
}

TEST_F(ActivityLog, UnwritableFileIsReportedWhereItStaysVisibleOncePerStreak) {
    std::filesystem::create_directory(folder / kLogFile);   // a folder where the file should be
    st.OnlineFlag = 1;
    st.LogEnabled = 1;
    st.LineBreak = "\r\n";
    VeltologForm w;
    veltolog_Load(desk, w);
    velto.ltest.Caption = "Testing connection";
    velto.ltest.Visible = false;   // under the request list: not raised for the note
    exchange(" A ", "http://a/1", "one");
    EXPECT_EQ(st.ServerReply, "one");
    EXPECT_FALSE(velto.ltest.Visible);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection");
    fakes.scheduler.advance(1000);
    const std::string note = "plixlog.txt cannot be written: Is a directory";
    EXPECT_EQ(desk.windows.veltolog.form.Caption, "Log  -  " + note);
    EXPECT_EQ(w.tlog.Text.find(note), 0u);   // and once in the log itself, before the entry
    EXPECT_NE(w.tlog.Text.find("one"), std::string::npos);

    velto.ltest.Visible = true;   // the status line is up: a note there only for a new streak
    exchange(" B ", "http://a/2", "two");
    fakes.scheduler.advance(1000);
    EXPECT_EQ(velto.ltest.Caption, "Testing connection");
    EXPECT_EQ(w.tlog.Text.find(note, 1), std::string::npos);
    EXPECT_NE(w.tlog.Text.find("two"), std::string::npos);   // the log window still gets the entry

    std::filesystem::remove(folder / kLogFile);   // writable again
    exchange(" C ", "http://a/3", "three");
    fakes.scheduler.advance(1000);
    EXPECT_EQ(desk.windows.veltolog.form.Caption, "Log");
    EXPECT_NE(folder.read(kLogFile).find("three"), std::string::npos);

    std::filesystem::remove(folder / kLogFile);   // fails again: a new streak is news
    std::filesystem::create_directory(folder / kLogFile);
    exchange(" D ", "http://a/4", "four");
    EXPECT_EQ(velto.ltest.Caption, "Testing connection\r\n" + note);
}

}  // namespace
}  // namespace plix
