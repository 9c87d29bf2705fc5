// The supplier window: opening, registration, update, delete and the close,
// on the simulated clock against the marketplace double.
#include <filesystem>

#include "desk/core/activity_log.h"
#include "desk/profile/veltolev.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

class SupplierWindowTest : public ProfileFixture {
protected:
    VeltolevForm& w = desk.veltolev;
    SupplierWindowTest() { veltolev_Timers(desk, fakes.scheduler); }

    void openAsNewcomer() {
        st.SupplierNumber = 0;
        st.SupplierList[30] = "0";
        veltolev_Load(desk);
    }
    void fillRequired() {
        const char* texts[] = {"Tegel & Co", "Laan", "3", "Utrecht", "3511 AB", "NL"};
        for (int i = 0; i < 6; ++i) w.tlev[i].Text = texts[i];
        w.tlev[10].Text = "A01";
    }
    void key(int box, int code = 'X') {
        veltolev_tlev_KeyDown(desk, box, code);
        int ascii = code;
        veltolev_tlev_KeyPress(desk, box, ascii);
    }
};

TEST_F(SupplierWindowTest, AMemberSeesTheServersCopyFetchedAgainASecondLater) {
    veltolev_Load(desk);
    EXPECT_TRUE(w.form.Visible);
    EXPECT_EQ(w.form.Width, 5600);
    EXPECT_EQ(w.form.Caption, "Your deliverer information on the PLIX server");
    EXPECT_EQ(w.tlev[0].Text, "Bakker & Zn");
    EXPECT_EQ(w.tlev[19].Text, "NL01BANK");
    EXPECT_EQ(w.tlev[20].Text, "De Bank");
    EXPECT_EQ(w.tlev[22].Text, "NL");
    EXPECT_EQ(w.lcred.Caption, "vol");
    EXPECT_EQ(w.taal.ListIndex, 1);  // "Nederlands"
    EXPECT_TRUE(w.cupdate.Enabled);  // the catalogue came
    EXPECT_FALSE(w.cupdate.Visible);
    EXPECT_TRUE(w.cdelete.Visible);
    EXPECT_FALSE(w.lleva.Visible);
    EXPECT_EQ(w.List2.Items, (std::vector<std::string>{"help 1", "help 2", "help 3"}));
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(market.count("ctrl04"), 1);
    fakes.scheduler.advance(1000);
    EXPECT_EQ(market.count("ctrl04"), 2);
    fakes.scheduler.advance(5000);
    EXPECT_EQ(market.count("ctrl04"), 2);  // once only

    // Before the start-up sequence ends the window does not open.
    veltolev_Unload(desk);
    st.TrayFlag = 0;
    veltolev_Load(desk);
    EXPECT_FALSE(w.form.Visible);
}

TEST_F(SupplierWindowTest, TheBankSlotSplitsAsFetchedOrAsStored) {
    std::vector<std::string> slots = memberSlots();
    slots[19] = "NL01";  // no separator: the whole slot in the account box
    market.answer("ctrl04", recordReply(slots));
    veltolev_Load(desk);
    EXPECT_EQ(w.tlev[19].Text, "NL01");
    EXPECT_EQ(w.tlev[20].Text, "");

    slots[19] = "NL01|Bank|Zeist";  // two: the whole slot again, the second part stays
    market.answer("ctrl04", recordReply(slots));
    veltolev_getlev(desk);
    EXPECT_EQ(w.tlev[19].Text, "NL01|Bank|Zeist");
    EXPECT_EQ(w.tlev[20].Text, "Bank");
    EXPECT_EQ(w.tlev[22].Text, "");

    // The stored copy at opening: a slot without separator fills no box.
    veltolev_Unload(desk);
    st.SupplierList[19] = "NL01";
    openAsNewcomer();
    EXPECT_EQ(w.tlev[19].Text, "");
}

TEST_F(SupplierWindowTest, ANewcomerRegistersAndTheNumberSurvivesARestart) {
    st.SupplierList[0] = "typed before";  // a local copy is shown, not emptied
    st.SupplierList[29] = "server text";
    openAsNewcomer();
    EXPECT_EQ(market.count("ctrl04"), 0);
    EXPECT_EQ(w.tlev[0].Text, "typed before");
    EXPECT_EQ(st.SupplierList[29], "");
    EXPECT_TRUE(w.lleva.Visible);
    EXPECT_EQ(w.lleva.Caption, "Fill in the required boxes");
    EXPECT_FALSE(w.cdelete.Visible);  // nothing to delete yet
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Register first");
    EXPECT_EQ(fakes.messages.shown[0].title, "No PLIX member yet");
    fakes.scheduler.advance(2000);
    EXPECT_EQ(market.count("ctrl04"), 0);

    fillRequired();
    w.tlev[14].Text = w.tlev[16].Text = "geheim";
    w.tlev[20].Text = "De Bank";
    key(0);
    veltolev_cupdate_Click(desk);
    const auto sent = urlsOf("ctrl02");
    ASSERT_EQ(sent.size(), 1u);
    // "&" travels encoded; the credit state is "proef", slot 30 goes as it was.
    EXPECT_NE(sent[0].find("%3CTegel%20%26%20Co%3E"), std::string::npos);
    EXPECT_NE(sent[0].find("%3C%7CDe%20Bank%7C%7C%3E"), std::string::npos);
    EXPECT_NE(sent[0].find("%3Cproef%3E%3C%3E%3C0%3E"), std::string::npos);
    EXPECT_EQ(st.SupplierNumber, 12345678);
    EXPECT_EQ(st.SupplierList[30], "12345678");
    EXPECT_FALSE(w.lleva.Visible);
    EXPECT_TRUE(w.cdelete.Visible);

    // Stored at once, with its check value and without the password.
    const DeskState again = restarted();
    EXPECT_EQ(again.SupplierNumber, 12345678);
    EXPECT_EQ(again.IdMismatch, 0);
    EXPECT_EQ(restartMessages, 0u);
    EXPECT_EQ(again.SupplierList[0], "Tegel & Co");
    EXPECT_EQ(folder.read(kSettingsFile).find("geheim"), std::string::npos);

    // A reply without a number leaves the newcomer unregistered.
    st.SupplierNumber = 0;
    market.answer("ctrl02", "OK<br>");
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
}

TEST_F(SupplierWindowTest, RefusedInputSendsNothing) {
    openAsNewcomer();
    fakes.messages.shown.clear();
    fillRequired();

    w.tlev[16].Text = "only the repeat";
    veltolev_cupdate_Click(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "The passwords differ");
    EXPECT_EQ(fakes.messages.shown[0].title, "Password");
    EXPECT_EQ(w.tlev[16].Text, "");
    EXPECT_EQ(w.form.Focus, &w.tlev[14]);

    w.tlev[2].Text = "";  // the short address box is required too
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "Fill in the required boxes");
    EXPECT_EQ(fakes.messages.shown.back().title, "PLIX");
    w.tlev[2].Text = "3";

    w.tlev[3].Text = "Utrecht <br>";
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "The box \"Place\" cannot hold the characters < >");
    EXPECT_EQ(w.form.Focus, &w.tlev[3]);
    w.tlev[3].Text = "Utrecht";
    w.tlev[21].Text = "Zeist | Driebergen";  // a bar splits the bank slot
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "The box \"Place\" cannot hold the characters |");
    EXPECT_EQ(market.count("ctrl02"), 0);

    // The e-mail box is tinted as required but may stay empty.
    w.tlev[21].Text = "";
    w.tlev[8].Text = "";
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(market.count("ctrl02"), 1);
}

TEST_F(SupplierWindowTest, AnUpdateThatWasNotSentIsToldAndTheLogHidesThePassword) {
    st.LogEnabled = 1;
    veltolev_Load(desk);
    w.tlev[14].Text = w.tlev[16].Text = "nieuw-geheim";
    key(14);
    veltolev_cupdate_Click(desk);
    const auto sent = urlsOf("ctrl03");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].rfind("http://srv.test/plix_ctrl.php?CD=03&ID_LV=4711&CTR=%3CBakker", 0), 0u);
    EXPECT_NE(sent[0].find("nieuw-geheim"), std::string::npos);
    EXPECT_FALSE(w.cupdate.Visible);
    const std::string log = folder.read(kLogFile);
    EXPECT_NE(log.find(" UPDATE (LEV) "), std::string::npos);
    EXPECT_EQ(log.find("geheim"), std::string::npos);
    EXPECT_EQ(st.RequestUrl.find("geheim"), std::string::npos);

    market.answer("ctrl03", "Error 409<br>That login name is taken; nothing was stored.");
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "That login name is taken; nothing was stored.");
    EXPECT_TRUE(w.cupdate.Visible);  // to try again

    st.OnlineFlag = 0;
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(market.count("ctrl03"), 2);
    EXPECT_EQ(fakes.messages.shown.back().text, "No PLIX connection");
}

TEST_F(SupplierWindowTest, DeletingForgetsTheMembershipHereAndAfterARestart) {
    veltolev_Load(desk);
    fakes.messages.answers = {MsgResult::Cancel};
    veltolev_cdelete_Click(desk);
    EXPECT_EQ(market.count("ctrl08"), 0);
    EXPECT_EQ(st.SupplierNumber, 4711);

    st.OnlineFlag = 0;  // not sent: the membership stays
    veltolev_cdelete_Click(desk);
    EXPECT_EQ(st.SupplierNumber, 4711);
    EXPECT_EQ(fakes.messages.shown.back().text, "No PLIX connection");

    st.OnlineFlag = 1;
    st.SupplierList[27] = "nee";
    market.answer("ctrl08", "Error 404<br>Unknown supplier.");  // gone already: fine too
    veltolev_cdelete_Click(desk);
    EXPECT_EQ(urlsOf("ctrl08").back(), "http://srv.test/plix_ctrl.php?CD=08&ID_LV=4711");
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.SupplierList[30], "       ");
    EXPECT_EQ(w.lleva.Caption, "No PLIX member yet");
    EXPECT_TRUE(w.lleva.Visible);
    EXPECT_EQ(st.SupplierList[27], "ja");
    EXPECT_EQ(st.SupplierList[22], "0");
    const DeskState again = restarted();
    EXPECT_EQ(again.SupplierNumber, 0);
    EXPECT_EQ(restartMessages, 0u);  // no check-value complaint either
}

TEST_F(SupplierWindowTest, ClosingSavesOnlyWhatWasTypedAndKeepsTheSystemItemsWhole) {
    st.SystemList[0] = "7";
    st.SettingsDirty = 1;
    savedat(desk);
    st.SettingsDirty = 0;
    const std::string before = folder.read(kSettingsFile);
    veltolev_Load(desk);
    EXPECT_TRUE(veltolev_c_exit_Click(desk));
    EXPECT_EQ(folder.read(kSettingsFile), before);  // nothing typed: nothing written
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(st.WindowFetchAllowed, 0);
    EXPECT_FALSE(w.form.Visible);

    // A profile far longer than the record holds: the server keeps it whole,
    // the record shortens the longest texts and the system items stay intact.
    st.WindowFetchAllowed = 1;
    veltolev_Load(desk);
    for (int box : {0, 1, 12, 18}) w.tlev[box].Text = std::string(300, 'x');
    key(0);
    EXPECT_TRUE(veltolev_c_exit_Click(desk));
    EXPECT_EQ(st.SettingsDirty, 0);
    EXPECT_EQ(st.SupplierList[12].size(), 300u);
    const DeskState again = restarted();
    EXPECT_EQ(again.SystemList[0], "7");
    EXPECT_EQ(again.SupplierNumber, 4711);
    EXPECT_EQ(again.SupplierList[3], "Utrecht");
    EXPECT_LT(again.SupplierList[12].size(), 300u);

    // Text that would break the record keeps the window open.
    veltolev_Load(desk);
    w.tlev[6].Text = "030 > 040";
    key(6);
    EXPECT_FALSE(veltolev_c_exit_Click(desk));
    EXPECT_TRUE(w.form.Visible);
}

TEST_F(SupplierWindowTest, ClosedByTheMainWindowTheTypedProfileWaitsForTheNextSave) {
    veltolev_Load(desk);
    w.tlev[6].Text = "030-999";
    key(6);
    veltolev_Unload(desk);
    EXPECT_EQ(st.SupplierList[6], "030-999");
    EXPECT_FALSE(w.form.Visible);
    EXPECT_EQ(w.tlev[6].Text, "");  // back to its design state
    EXPECT_FALSE(w.Timer1.Enabled);
}

}  // namespace
}  // namespace plix::testing
