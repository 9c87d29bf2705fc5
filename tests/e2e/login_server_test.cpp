// Logging in and seeding a working folder against the reference server.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desk/core/number.h"
#include "desk/core/settings.h"
#include "desk/velto/login.h"
#include "platform/linux/curl_http_client.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/plixsrv_process.h"

namespace plix {
namespace {

class LoginServerTest : public testing::DeskFixture {
protected:
    void SetUp() override {
        ASSERT_NE(server.port(), 0);
        desk.os.http = &http;
        st.OnlineFlag = 1;
        st.ServerHost = server.host();
        st.LanguageTable[104] = "No PLIX member yet";
        st.SettingsRecord[kLanguageOffset] = '\x01';
    }
    void login(const std::string& name, const std::string& password) {
        login_Click(desk);
        velto.tlogin.Text = name;
        velto.tpasw.Text = password;
        int key = kEnterKey;
        tpasw_KeyPress(desk, key);
    }

    testing::TempFolder serverFolder;
    testing::PlixsrvProcess server{
        PLIXSRV_PROGRAM, (serverFolder / "plixsrv.db").string(), {"--demo"}};
    CurlHttpClient http;
};

TEST_F(LoginServerTest, DemoAccountLogsInAndAWrongPasswordDoesNot) {
    login(server.value("demo_login"), "wrong & password");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "No PLIX member yet");
    EXPECT_EQ(st.SupplierNumber, 0);

    login(server.value("demo_login"), server.value("demo_password"));
    EXPECT_EQ(numText(st.SupplierNumber), server.value("demo_id_lv"));
    EXPECT_EQ(st.SystemList[18], server.value("demo_check"));
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST_F(LoginServerTest, SeededFolderStartsLoggedInAsTheDemoSupplier) {
    testing::TempFolder work;
    const std::string command = std::string(PLIXDESK_SEED_PROGRAM) + " --sound --poll 5 " +
                                work.path().string() + " " + server.value("demo_id_lv") + " " +
                                server.value("demo_check") + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    FakeServices fakes2;
    Desk started{fakes2.bundle(), DeskConfig{work.path(), "www.default.test"}};
    loaddat(started);
    checkSupplierNumber(started);
    EXPECT_EQ(numText(started.st.SupplierNumber), server.value("demo_id_lv"));
    EXPECT_EQ(started.st.IdMismatch, 0);
    EXPECT_TRUE(fakes2.messages.shown.empty());
    EXPECT_EQ(started.st.SupplierList[27], "ja");
    EXPECT_EQ(started.st.PollCountdown, 5);

    // A check value that does not belong to the number is refused.
    const std::string wrong = std::string(PLIXDESK_SEED_PROGRAM) + " " + work.path().string() +
                              " " + server.value("demo_id_lv") + " 17 2> /dev/null";
    EXPECT_NE(std::system(wrong.c_str()), 0);
}

}  // namespace
}  // namespace plix
