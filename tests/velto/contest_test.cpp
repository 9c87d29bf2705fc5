// The connection test and version check against the HTTP double.
#include <gtest/gtest.h>

#include "desk/lang/language_table.h"
#include "desk/velto/contest.h"
#include "desk/velto/startup.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class ConnectionTest : public testing::DeskFixture {
protected:
    void SetUp() override {
        setLanguageDefaults(st);
        st.LanguageTable[88] = "A new version is ready. Update now?";
        st.LanguageTable[89] = "PLIX";
        st.ServerHost = "www.plix.test";
        st.Version = "1.06";  // the replies below name this version or another
        st.OnlineFlag = 1;
        velto.form.Loaded = true;
    }
    void run(std::string reply) {
        fakes.http.replies.push_back({true, std::move(reply), ""});
        contest(desk);
    }
};

TEST_F(ConnectionTest, KnownSupplierWithTheSameVersion) {
    run("PLIX<br>cnt=:1<br>Taal=nl<br>VERSIE=1.06");
    EXPECT_EQ(fakes.http.requests.at(0).url, "http://www.plix.test/plix_ctrl.php?CD=01");
    // A connected member's record follows.
    EXPECT_EQ(st.OperationLabel, " GETLEV ");
    EXPECT_EQ(fakes.http.requests.at(1).url.substr(0, 43),
              "http://www.plix.test/plix_ctrl.php?CD=04&ID");
    EXPECT_EQ(st.ConnectState, 2);
    EXPECT_EQ(st.TestFailed, 0);
    EXPECT_EQ(st.StatusLine1, "Http OKTesting connection");
    EXPECT_EQ(st.StatusLine2, "Connect database OK");
    EXPECT_EQ(st.ServerLanguage, "nl");
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_FALSE(st.ProgramEnded);
}

TEST_F(ConnectionTest, TheCharacterAfterTheEqualsSignIsSkipped) {
    run("cnt=5<br>VERSIE=1.06");
    EXPECT_EQ(st.ConnectState, 1);  // "5" is skipped, "<br>" is no number
    EXPECT_EQ(st.TestFailed, 1);
    EXPECT_EQ(st.StatusLine1, "Http OKTesting connection");
    EXPECT_EQ(st.StatusLine2, "No PLIX connection");
    run("cnt=x5");
    EXPECT_EQ(st.ConnectState, 2);
    run("cnt=:0");
    EXPECT_EQ(st.ConnectState, 1);
    run("cnt=:1<br>Taal=1<br>VERSIE=1.06");
    EXPECT_EQ(st.ServerLanguage, "1");
}

TEST_F(ConnectionTest, NoAnswerOrNoMarkerMeansNotConnected) {
    run("");
    EXPECT_EQ(st.ConnectState, 0);
    EXPECT_EQ(st.TestFailed, 1);
    EXPECT_EQ(st.StatusLine1, "No Internet connection");
    EXPECT_EQ(st.StatusLine2, "No PLIX connection");
    // A page without "cnt=" is no answer of the server's script, even when a
    // number stands at its fifth character.
    run("abcd7 Service Unavailable VERSIE=0.9");
    EXPECT_EQ(st.ConnectState, 0);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(ConnectionTest, OfflineReadsThePreviousReplyAgain) {
    st.OnlineFlag = 0;
    st.ServerReply = "cnt=:3";
    contest(desk);
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_EQ(st.ConnectState, 2);
}

TEST_F(ConnectionTest, AnotherVersionAsksAndCancelGoesOn) {
    fakes.messages.answers.push_back(MsgResult::Cancel);
    run("cnt=:1<br>VERSIE=1.06<br>");  // anything after the version makes it another one
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "A new version is ready. Update now?");
    EXPECT_EQ(fakes.messages.shown[0].title, "PLIX");
    EXPECT_EQ(fakes.messages.shown[0].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(fakes.urls.opened.empty());
    EXPECT_FALSE(st.ProgramEnded);
    EXPECT_EQ(st.ConnectState, 2);

    fakes.messages.answers.push_back(MsgResult::Cancel);
    run("cnt=:1<br>VERSIE=1.06");  // asked again at the next test only when it differs
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
    st.Version.clear();  // before the load set it, the built-in version counts
    run("cnt=:1<br>VERSIE=1.06");
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST_F(ConnectionTest, VersionIsComparedOnlyForAKnownSupplier) {
    run("cnt=:0<br>VERSIE=2.00");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(ConnectionTest, AcceptingTheUpdateOpensTheDownloadSavesAndQuits) {
    st.SettingsDirty = 1;
    run("cnt=:1<br>VERSIE=1.07");
    ASSERT_EQ(fakes.urls.opened.size(), 1u);
    EXPECT_EQ(fakes.urls.opened[0], "http://www.plix.test/update/raridi.exe");
    EXPECT_TRUE(st.ProgramEnded);
    EXPECT_EQ(velto.form.Pointer, MousePointer::Default);
    EXPECT_TRUE(std::filesystem::exists(folder / "pxini.dat"));  // saved as the Exit menu does
}

TEST_F(ConnectionTest, AnUpdateThatCannotBeOpenedKeepsTheProgramRunning) {
    fakes.urls.works = false;
    run("cnt=:1<br>VERSIE=1.07");
    EXPECT_FALSE(st.ProgramEnded);
    EXPECT_TRUE(velto.form.Loaded);
    ASSERT_EQ(fakes.messages.shown.size(), 2u);  // the question, then where to fetch it by hand
    EXPECT_NE(fakes.messages.shown[1].text.find("http://www.plix.test/update/raridi.exe"),
              std::string::npos);
    EXPECT_EQ(st.ConnectState, 2);
}

}  // namespace
}  // namespace plix
