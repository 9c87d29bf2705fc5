// The chat window against a stand-in server: contacts, one conversation in
// its colours, sending, blocking, the 5-second refresh.
#include "desk/chat/veltochatl.h"

#include "desk/chat/chat_reply.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

// A conversation reply: contact, customer, block state, then kind and line pairs.
std::string conversation(const std::string& state, const std::vector<std::string>& pairs) {
    std::string r = "<br>[17][J. de Vries][" + state + "]";
    for (const auto& f : pairs) r += "[" + f + "]";
    return r + "<br>";
}

class ChatTest : public InboxFixture {
protected:
    VeltochatlForm& w = desk.veltochatl;
    ChatTest() {
        st.LanguageTable[108] = "OK";
        st.LanguageTable[12] = "&Close";
        st.LanguageTable[16] = "&Reconnect";
        st.LanguageTable[18] = "&Disconnect";
        st.LanguageTable[29] = "&Send";
        st.LanguageTable[90] = "Re&fresh interval";
        st.LanguageTable[97] = "No";
        st.LanguageTable[100] = "&Direct chat";
        st.SupplierList[30] = "4711";
        st.LanguageCodes = {"", "en", "nl", "de", "fr"};
        st.CurrentLanguage = 1;
        veltochatl_Timers(desk, fakes.scheduler);
        market.answer("chkl13", "<br>[17][23]<br>QEND2");
        market.answer("chkl15", conversation("open", {"klant", "Hello", "vervolg", "Thanks"}));
    }
    std::vector<std::string> urlsOf(const std::string& key) const {
        std::vector<std::string> found;
        for (const auto& u : market.urls)
            if (MarketDouble::keyOf(u) == key) found.push_back(u);
        return found;
    }
};

TEST_F(ChatTest, OpensOnTheFirstContactWithItsConversationInColour) {
    veltochatl_Load(desk);
    EXPECT_EQ(w.form.Caption, "Direct chat");
    EXPECT_EQ(w.cververs.Caption, "Re&fresh");  // the first word of entry 90
    EXPECT_EQ(w.Combo1.Items, (std::vector<std::string>{"17", "23"}));
    EXPECT_EQ(w.CurrentContact, "17");
    EXPECT_EQ(w.lmessage.Caption, "DIRECT CHAT 17");
    EXPECT_EQ(market.keys(), (std::vector<std::string>{"chkl13", "chkl16", "chkl15"}));
    EXPECT_EQ(market.urls[0], "http://srv.test/plix_chkl.php?CD=13&ID_LV=4711");
    EXPECT_EQ(market.urls[2], "http://srv.test/plix_chkl.php?CD=15&ID_AV=17");
    EXPECT_TRUE(w.lchat.Visible && w.tchat.Visible && w.csend.Visible && w.cblock.Visible);

    EXPECT_EQ(w.lchat.Text, "Hello\r\nThanks\r\n");
    ASSERT_EQ(w.lchat.Spans.size(), 2u);
    EXPECT_EQ(w.lchat.Spans[0], chatSpan(0, 5, kChatCustomerColour));  // blue
    EXPECT_EQ(w.lchat.Spans[1], chatSpan(7, 6, kChatOwnColour));       // dark green
    EXPECT_EQ(w.lchat.SelStart, w.lchat.Text.size());                  // the newest line in view
    EXPECT_EQ(w.cblock.Caption, "&Disconnect");
}

TEST_F(ChatTest, WithoutContactsTheControlsHideAndGermanKeepsItsCapital) {
    market.answer("chkl13", "<br>QEND0");
    veltochatl_Load(desk);
    EXPECT_TRUE(w.Combo1.Items.empty());
    EXPECT_FALSE(w.lchat.Visible || w.tchat.Visible || w.csend.Visible || w.cblock.Visible);
    EXPECT_EQ(w.lmessage.Caption, "No direct chat");
    veltochatl_Unload(desk);

    st.CurrentLanguage = 3;
    st.LanguageTable[97] = "Kein";
    st.LanguageTable[100] = "&Direktchat";
    veltochatl_Load(desk);
    EXPECT_EQ(w.lmessage.Caption, "Kein Direktchat");  // a German noun keeps its capital
}

// More lines than the 257 fields of old: every line is shown and the newest
// is the last one, in view.
TEST_F(ChatTest, ALongConversationShowsItsNewestLines) {
    std::vector<std::string> pairs;
    for (int i = 1; i <= 200; ++i) {
        pairs.push_back(i % 2 ? "klant" : "vervolg");
        pairs.push_back("line " + std::to_string(i));
    }
    market.answer("chkl15", conversation("open", pairs));
    veltochatl_Load(desk);
    EXPECT_EQ(w.lchat.Spans.size(), 200u);
    EXPECT_TRUE(w.lchat.Text.ends_with("line 199\r\nline 200\r\n"));
    EXPECT_EQ(w.lchat.SelStart, w.lchat.Text.size());
}

TEST_F(ChatTest, SendingAndBlockingMarkTheConversation) {
    veltochatl_Load(desk);
    market.urls.clear();
    w.tchat.Text = "Tiles & grout, 10% off?";
    veltochatl_csend_Click(desk);
    ASSERT_EQ(market.keys(), (std::vector<std::string>{"chkl14", "chkl15"}));
    EXPECT_EQ(
        market.urls[0],
        "http://srv.test/plix_chkl.php?CD=14&ID_AV=17&TXT=Tiles%20%26%20grout%2C%2010%25%20off%3F");
    EXPECT_EQ(w.tchat.Text, "");
    EXPECT_EQ(w.form.Focus, &w.tchat);

    market.urls.clear();
    market.answer("chkl15", conversation("Blocked", {"klant", "Hello"}));
    veltochatl_cblock_Click(desk);
    EXPECT_EQ(market.keys(), (std::vector<std::string>{"chkl17", "chkl14", "chkl15"}));
    EXPECT_EQ(market.urls[0], "http://srv.test/plix_chkl.php?CD=17&ID_AV=17&B=Blocked");
    EXPECT_EQ(market.urls[1], "http://srv.test/plix_chkl.php?CD=14&ID_AV=17&TXT=%2A%2A%2A%2A");
    EXPECT_EQ(w.cblock.Caption, "&Reconnect");            // the unblock caption
    EXPECT_EQ(w.lchat.Text, "Direct chat disconnected");  // the caption and entry 117, lower-cased
    EXPECT_EQ(w.lchat.Spans, (std::vector<TextSpan>{chatSpan(0, 24, kChatBlockedColour, true)}));

    market.urls.clear();
    market.answer("chkl15", conversation("open", {"klant", "Hello", "vervolg", "****"}));
    veltochatl_cblock_Click(desk);
    EXPECT_EQ(urlsOf("chkl17"),
              (std::vector<std::string>{"http://srv.test/plix_chkl.php?CD=17&ID_AV=17&B="}));
    EXPECT_EQ(w.cblock.Caption, "&Disconnect");
    EXPECT_EQ(w.lchat.Text, "Hello\r\n****\r\n");
}

// Without a language file the two captions still differ, so the button can block.
TEST_F(ChatTest, TheBlockButtonBlocksWithoutALanguageFile) {
    st.LanguageTable[16] = st.LanguageTable[18] = "";
    st.LanguageTable[108] = "NO";
    veltochatl_Load(desk);
    EXPECT_EQ(w.cblock.Caption, "&Blokkeer");
    veltochatl_cblock_Click(desk);
    EXPECT_EQ(urlsOf("chkl17").back(), "http://srv.test/plix_chkl.php?CD=17&ID_AV=17&B=Blocked");
}

TEST_F(ChatTest, RefreshesEveryFiveSecondsWithoutTheHourglass) {
    std::vector<std::pair<std::string, MousePointer>> pointers;
    fakes.events.onDraw = [&] { pointers.emplace_back(st.OperationLabel, w.form.Pointer); };
    veltochatl_Load(desk);
    EXPECT_EQ(pointers.front(),
              std::make_pair(std::string(" CONTACTCHAT "), MousePointer::Hourglass));
    EXPECT_EQ(velto.form.Pointer, MousePointer::Default);  // on the chat window, not the main one
    pointers.clear();
    market.urls.clear();
    fakes.scheduler.advance(4999);
    EXPECT_TRUE(market.urls.empty());
    fakes.scheduler.advance(1);
    EXPECT_EQ(market.keys(), (std::vector<std::string>{"chkl15"}));
    EXPECT_EQ(
        pointers,
        (std::vector<std::pair<std::string, MousePointer>>{{" GETCHAT ", MousePointer::Default}}));
    EXPECT_EQ(w.form.Focus, &w.tchat);  // Timer1 put the focus in the input box

    veltochatl_Unload(desk);
    market.urls.clear();
    fakes.scheduler.advance(20000);
    EXPECT_TRUE(market.urls.empty());
    EXPECT_TRUE(w.Combo1.Items.empty() && w.lchat.Text.empty());
}

// Offline nothing is fetched; the reply an earlier exchange left is not read
// as the chat's.
TEST_F(ChatTest, OfflineNothingFromAnEarlierReplyIsShown) {
    st.OnlineFlag = 0;
    st.ServerReply = "[101][13-06 10:01][Title 101][details][A101][onb]";
    veltochatl_Load(desk);
    EXPECT_TRUE(market.urls.empty());
    EXPECT_TRUE(w.Combo1.Items.empty());
    EXPECT_EQ(w.lchat.Text, "");
    EXPECT_EQ(w.lmessage.Caption, "No direct chat");
}

TEST_F(ChatTest, TypingKeepsTheUserActive) {
    st.IdleTicks = 20;
    veltochatl_tchat_KeyDown(desk);
    EXPECT_EQ(st.IdleTicks, 0);
    EXPECT_EQ(chatFields("x[a][b]y[c"), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace plix::testing
