// The chat window, the alert-settings panel and the direct-URL panel against
// the real plixsrv --demo, with the customer API playing the customer.
#include "desk/chat/chat_reply.h"
#include "desk/chat/veltochatl.h"
#include "desk/velto/settings_panel.h"
#include "desk/velto/url_panel.h"
#include "desk/velto/window_openers.h"
#include "tests/support/demo_desk_fixture.h"

namespace plix::testing {
namespace {

class ChatEndToEnd : public DemoDeskFixture {
protected:
    nlohmann::json chat(const std::string& contact) { return customerGet("/api/chats/" + contact); }
    bool shows(const std::string& line, int colour) const {
        const RichTextBox& box = desk->veltochatl.lchat;
        const auto found = box.Text.find(line);
        if (found == std::string::npos) return false;
        const int at = static_cast<int>(found);
        for (const TextSpan& run : box.Spans)
            if (run.Start <= at && at < run.Start + run.Length) return run.Color == colour;
        return false;
    }
};

TEST_F(ChatEndToEnd, BothWaysThenBlockAndUnblock) {
    startUp();
    directchat_Click(*desk);
    VeltochatlForm& w = desk->veltochatl;
    ASSERT_EQ(w.Combo1.Items.size(), 1u);
    const std::string contact = w.CurrentContact;
    EXPECT_EQ(contact.rfind("JdeVries-", 0), 0u);
    EXPECT_TRUE(
        shows("Hello, is the oak floor available in a lighter colour?", kChatCustomerColour));
    EXPECT_TRUE(shows("Yes, we have white oiled oak as well.", kChatOwnColour));
    EXPECT_NE(customerGet("/api/suppliers/" + supplier)["in_chat_since"], 0);  // chkl 16

    // A line typed here reaches the customer whole.
    w.tchat.Text = "White oak: 10% extra & delivery on Tuesday";
    veltochatl_csend_Click(*desk);
    auto lines = chat(contact)["lines"];
    EXPECT_EQ(lines.back()["from"], "supplier");
    EXPECT_EQ(lines.back()["text"], "White oak: 10% extra & delivery on Tuesday");
    EXPECT_TRUE(shows("White oak: 10% extra & delivery on Tuesday", kChatOwnColour));

    // The customer's answer shows within the 5-second refresh, in its colour.
    auto said = customer("/api/chats/" + contact + "/lines", R"({"text":"Tuesday suits us"})");
    ASSERT_TRUE(said && said->status == 200);
    fakes.scheduler.advance(5000);
    EXPECT_TRUE(shows("Tuesday suits us", kChatCustomerColour));

    veltochatl_cblock_Click(*desk);
    EXPECT_EQ(chat(contact)["blocked"], true);
    EXPECT_EQ(w.lchat.Spans.front().Color, kChatBlockedColour);
    auto refused = customer("/api/chats/" + contact + "/lines", R"({"text":"Hello?"})");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 403);

    veltochatl_cblock_Click(*desk);
    lines = chat(contact)["lines"];
    EXPECT_EQ(chat(contact)["blocked"], false);
    EXPECT_EQ(lines[lines.size() - 1]["text"], "****");
    EXPECT_EQ(lines[lines.size() - 2]["text"], "****");
    EXPECT_TRUE(shows("Tuesday suits us", kChatCustomerColour));
}

using SettingsEndToEnd = DemoDeskFixture;

TEST_F(SettingsEndToEnd, SoundAndPollIntervalReachTheServerAndTheRecord) {
    startUp();
    VeltoForm& velto = desk->velto;
    // The demo supplier's record on the server has the sound on (the
    // supplier record it sends wins over pxini.dat): switch it off there.
    splix_Click(*desk);
    fakes.scheduler.advance(300);
    velto.chksnd.Value = 0;
    chksnd_Click(*desk);
    cupdate_Click(*desk);
    cexit_Click(*desk);
    startUp();

    splix_Click(*desk);
    fakes.scheduler.advance(300);
    ASSERT_TRUE(velto.frsystem.Visible);
    EXPECT_EQ(velto.chksnd.Value, 0);
    velto.tsys[0].Text = "6";
    velto.chksnd.Value = 1;
    chksnd_Click(*desk);
    cupdate_Click(*desk);

    const auto settings = customerGet("/api/suppliers/" + supplier)["settings"];
    ASSERT_EQ(settings.size(), 11u);
    EXPECT_EQ(settings[0], "6");
    EXPECT_EQ(settings[8], "ja");
    cexit_Click(*desk);
    const std::string record = folder.read("pxini.dat");
    EXPECT_EQ(record.substr(800, 3), "<6>");
    std::array<std::string, 30> items;
    parseItemList(std::string_view(record).substr(40, 760), items);
    EXPECT_EQ(items[27], "ja");

    // The next new request sounds, and the poll keeps the new interval.
    startUp();
    const std::size_t alertsBefore = fakes.sound.played.size();
    auto posted = customer("/api/requests", R"({"title":"Parquet, 60 m2","details":"Oak"})");
    ASSERT_TRUE(posted && posted->status == 200);
    nextPoll();
    EXPECT_EQ(fakes.sound.played.size(), alertsBefore + 1);
    EXPECT_EQ(desk->st.PollCountdown, 6);
}

// The panel's address box reaches the server's pages, never a local file.
TEST_F(SettingsEndToEnd, TheDirectUrlPanelFetchesOnlyHttp) {
    folder.write("secret.txt", "not for the network");
    directurl_Click(*desk);
    desk->velto.t_url.Text = "file://" + (folder / "secret.txt").string();
    c_geturl_Click(*desk);
    EXPECT_EQ(desk->velto.t_echo.Text, "");
    desk->velto.t_url.Text = "http://" + server.host() + "/plix_ctrl.php?CD=01";
    c_geturl_Click(*desk);
    EXPECT_NE(desk->velto.t_echo.Text.find("VERSIE="), std::string::npos);
}

}  // namespace
}  // namespace plix::testing
