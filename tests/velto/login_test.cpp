// Logging in: the frame, the request, and the stored number with its check value.
#include <gtest/gtest.h>

#include "desk/core/settings.h"
#include "desk/velto/login.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class LoginTest : public testing::DeskFixture {
protected:
    void SetUp() override {
        st.OnlineFlag = 1;
        st.ServerHost = "www.plix.test";
        st.LanguageTable[55] = "Login";
        st.LanguageTable[56] = "Password";
        st.LanguageTable[104] = "No PLIX member yet";
        st.LanguageTable[105] = "No Internet connection";
        st.LanguageTable[106] = "No PLIX connection";
        st.SettingsRecord[kLanguageOffset] = '\x02';
        login_Click(desk);
    }
    void reply(const std::string& body) { fakes.http.replies.push_back({true, body, {}}); }
    int enter(TextBox& box) {
        int key = kEnterKey;
        if (&box == &velto.tlogin)
            tlogin_KeyPress(desk, key);
        else
            tpasw_KeyPress(desk, key);
        return key;
    }
    void type(const std::string& name, const std::string& password) {
        velto.tlogin.Text = name;
        velto.tpasw.Text = password;
    }
};

TEST_F(LoginTest, MenuShowsAnEmptyFrameWithFocusOnTheName) {
    velto.tlogin.Text = "old";
    velto.tpasw.Text = "secret";
    login_Click(desk);
    EXPECT_TRUE(velto.frlogin.Visible);
    EXPECT_EQ(velto.frlogin.Caption, "Login + Password");
    EXPECT_EQ(velto.tlogin.Text, "");
    EXPECT_EQ(velto.tpasw.Text, "");
    EXPECT_EQ(velto.form.Focus, &velto.tlogin);

    EXPECT_EQ(enter(velto.tlogin), 0);  // Enter is swallowed and moves on
    EXPECT_EQ(velto.form.Focus, &velto.tpasw);
    int key = 'a';
    tlogin_KeyPress(desk, key);
    tpasw_KeyPress(desk, key);
    EXPECT_EQ(key, 'a');
    EXPECT_TRUE(fakes.http.requests.empty());
}

TEST_F(LoginTest, EmptyNameClosesTheFrameEmptyPasswordWaits) {
    type("", "secret");
    EXPECT_EQ(enter(velto.tpasw), 0);
    EXPECT_FALSE(velto.frlogin.Visible);

    login_Click(desk);
    type(" smith", "secret");  // a name beginning with a blank counts as empty
    enter(velto.tpasw);
    EXPECT_FALSE(velto.frlogin.Visible);

    login_Click(desk);
    type("smith", "");
    enter(velto.tpasw);
    type("smith", " x");
    enter(velto.tpasw);
    EXPECT_TRUE(velto.frlogin.Visible);
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(LoginTest, NumberIsStoredWithItsCheckValueAndTheSequenceRestarts) {
    type("smith", "pa&ss word");
    reply("<html>ID_LV=00042</html>");
    enter(velto.tpasw);

    ASSERT_EQ(fakes.http.requests.size(), 2u);  // the login, then the record (ctrl 04)
    EXPECT_NE(fakes.http.requests[1].url.find("?CD=04&ID_LV="), std::string::npos);
    // Typed text travels encoded, so "&" and blanks cannot split the query.
    EXPECT_EQ(fakes.http.requests[0].url,
              "http://www.plix.test/plix_ctrl.php?CD=13&LOGINL=smith&PASWL=pa%26ss%20word");
    EXPECT_EQ(st.SupplierNumber, 42);
    EXPECT_EQ(st.SupplierList[30], "42");
    EXPECT_EQ(st.SettingsRecord.substr(30, 9), std::string("42      \x02", 9));
    EXPECT_EQ(st.SystemList[18], "583246");
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_FALSE(velto.frlogin.Visible);
    EXPECT_TRUE(fakes.messages.shown.empty());
    // The password is not kept once it has done its work.
    EXPECT_EQ(velto.tpasw.Text, "");
    EXPECT_EQ(st.RequestUrl.find("pa%26ss"), std::string::npos);
    EXPECT_EQ(st.RequestQuery.find("pa%26ss"), std::string::npos);

    // The next start reads the number back and it passes its check.
    const std::string onDisk = folder.read(kSettingsFile);
    ASSERT_EQ(onDisk.size(), kRecordSize);
    EXPECT_EQ(onDisk.substr(30, 8), "42      ");
    FakeServices again;
    Desk restarted{again.bundle(), DeskConfig{folder.path(), "www.default.test"}};
    loaddat(restarted);
    checkSupplierNumber(restarted);
    EXPECT_EQ(restarted.st.SupplierNumber, 42);
    EXPECT_EQ(restarted.st.IdMismatch, 0);
    EXPECT_TRUE(again.messages.shown.empty());
}

TEST_F(LoginTest, ActivityLogNeverHoldsThePassword) {
    st.LogEnabled = 1;
    type("smith", "Secret99");
    reply("ID_LV=42");
    enter(velto.tpasw);
    EXPECT_EQ(st.SupplierNumber, 42);
    const std::string log = folder.read("plixlog.txt");
    EXPECT_NE(log.find(" LOGIN "), std::string::npos);
    EXPECT_NE(log.find("CD=13&LOGINL=smith&PASWL=%2A"), std::string::npos);
    EXPECT_NE(log.find("ID_LV=42"), std::string::npos);
    EXPECT_EQ(log.find("Secret99"), std::string::npos);
}

TEST_F(LoginTest, ReplyWithoutANumberLeavesEverythingAsItWas) {
    st.SupplierNumber = 7;
    for (const char* body : {"Wrong password", "ID_LV=", "ID_LV=0", "id_lv=55"}) {
        type("smith", "secret");
        reply(body);
        enter(velto.tpasw);
        ASSERT_FALSE(fakes.messages.shown.empty()) << body;
        const ShownMessage& m = fakes.messages.shown.back();
        EXPECT_EQ(m.text, "No PLIX member yet");
        EXPECT_EQ(m.title, " PLIX Login");
        EXPECT_EQ(m.icon, MsgIcon::Information);
        EXPECT_TRUE(velto.frlogin.Visible);
        EXPECT_EQ(velto.tpasw.Text, "secret");  // the typed texts stay
    }
    EXPECT_EQ(st.SupplierNumber, 7);
    EXPECT_EQ(st.StartupStep, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / kSettingsFile));
}

TEST_F(LoginTest, OfflineOrFailedFetchNeverReadsAnOldReply) {
    st.ServerReply = "ID_LV=99";  // left over from an earlier exchange
    st.OnlineFlag = 0;
    type("smith", "secret");
    enter(velto.tpasw);
    EXPECT_TRUE(fakes.http.requests.empty());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "No Internet connection");

    st.OnlineFlag = 1;  // online, but the server does not answer
    enter(velto.tpasw);
    EXPECT_EQ(fakes.http.requests.size(), 1u);
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[1].text, "No PLIX connection");
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.StartupStep, 0);
}

TEST_F(LoginTest, NumberTooLongForTheRecordIsRefused) {
    type("smith", "secret");
    reply("ID_LV=123456789");
    enter(velto.tpasw);
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.SettingsRecord[kLanguageOffset], '\x02');
    EXPECT_TRUE(velto.frlogin.Visible);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].text.find("123456789"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / kSettingsFile));

    EXPECT_FALSE(storeSupplierNumber(desk, -3));
    EXPECT_TRUE(storeSupplierNumber(desk, 99999999));
    EXPECT_EQ(st.SettingsRecord.substr(30, 9), std::string("99999999\x02", 9));
}

TEST_F(LoginTest, AFailedWriteOfTheRecordIsToldAndTriedAgainAtTheNextSave) {
    std::filesystem::create_directory(folder / "pxini.dat.tmp");  // stands where the write goes
    type("smith", "secret");
    reply("ID_LV=42");
    enter(velto.tpasw);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    const std::string& told = fakes.messages.shown[0].text;
    EXPECT_NE(told.find((folder / kSettingsFile).string()), std::string::npos);
    EXPECT_NE(told.find("Is a directory"), std::string::npos);
    EXPECT_EQ(st.SupplierNumber, 42);  // the login holds for this run
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_FALSE(std::filesystem::exists(folder / kSettingsFile));

    std::filesystem::remove(folder / "pxini.dat.tmp");
    st.SettingsDirty = 0;  // as the settings frame's timer leaves it
    savedat(desk);
    EXPECT_EQ(folder.read(kSettingsFile).substr(30, 8), "42      ");
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST_F(LoginTest, LoginAfterAFailedCheckStartsThePollAgain) {
    // At load the stored number failed its check: the poll was held back and
    // its countdown ran past zero.
    st.IdMismatch = 1;
    st.PollCountdown = -40;
    st.SystemList[0] = "5";
    type("smith", "secret");
    reply("ID_LV=42");
    enter(velto.tpasw);
    EXPECT_EQ(st.IdMismatch, 0);
    EXPECT_EQ(st.PollCountdown, 5);
    EXPECT_EQ(st.SupplierNumber, 42);
}

}  // namespace
}  // namespace plix
