// The supplier window: opening, registration, update, delete and the close,
// on the simulated clock against the marketplace double.
#include "desk/profile/veltolev.h"
#include "desk/core/activity_log.h"
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
    void type(int box) {
        int code = 'X';
        veltolev_tlev_KeyDown(desk, box, code);
    }
    const std::string& lastMessage() const { return fakes.messages.shown.back().text; }
};

TEST_F(SupplierWindowTest, AMemberSeesTheServersCopyFetchedAgainASecondLater) {
    veltolev_Load(desk);
    EXPECT_EQ(w.tlev[0].Text, "Bakker & Zn");
    EXPECT_EQ(w.tlev[20].Text, "De Bank");  // slot 19 split at "|"
    EXPECT_EQ(w.taal.ListIndex, 1);                       // "Nederlands"
    EXPECT_TRUE(w.cupdate.Enabled && w.cdelete.Visible);  // the catalogue came
    fakes.scheduler.advance(5000);
    EXPECT_EQ(market.count("ctrl04"), 2);  // once more, one second after opening

    // Fetched without a separator the whole slot is the account; with two,
    // the whole slot again and the second part stays.
    std::vector<std::string> slots = memberSlots();
    for (const char* bank : {"NL01", "NL01|Bank|Zeist"}) {
        slots[19] = bank;
        market.answer("ctrl04", recordReply(slots));
        veltolev_getlev(desk);
        EXPECT_EQ(w.tlev[19].Text, bank);
    }
    EXPECT_EQ(w.tlev[20].Text, "Bank");
    EXPECT_EQ(w.tlev[22].Text, "");

    veltolev_Unload(desk);
    st.TrayFlag = 0;  // the start-up sequence has not ended
    veltolev_Load(desk);
    EXPECT_FALSE(w.form.Visible);
}

TEST_F(SupplierWindowTest, ANewcomerRegistersAndTheNumberSurvivesARestart) {
    st.SupplierList[0] = "typed before";  // a local copy is shown, not emptied
    st.SupplierList[19] = "NL01";         // stored without separator: no bank box
    openAsNewcomer();
    EXPECT_EQ(market.count("ctrl04"), 0);
    EXPECT_EQ(w.tlev[0].Text, "typed before");
    EXPECT_EQ(w.tlev[19].Text, "");
    EXPECT_FALSE(w.cdelete.Visible);  // nothing to delete yet
    EXPECT_EQ(lastMessage(), "Register first");

    fillRequired();
    w.tlev[14].Text = w.tlev[16].Text = "geheim";
    w.tlev[20].Text = "De Bank";
    veltolev_cupdate_Click(desk);
    // "&" travels encoded; the credit state goes as "proef", slot 30 as it was.
    const std::string sent = urlsOf("ctrl02").at(0);
    for (const char* part :
         {"%3CTegel%20%26%20Co%3E", "%3C%7CDe%20Bank%7C%7C%3E", "%3Cproef%3E%3C%3E%3C0%3E"})
        EXPECT_NE(sent.find(part), std::string::npos) << part;
    EXPECT_EQ(st.SupplierNumber, 12345678);
    EXPECT_EQ(w.lcred.Caption, "proef");

    // Stored at once, with its check value and without the password.
    const DeskState again = restarted();
    EXPECT_EQ(again.SupplierNumber, 12345678);
    EXPECT_EQ(restartMessages, 0u);
    EXPECT_EQ(again.SupplierList[0], "Tegel & Co");
    EXPECT_EQ(folder.read(kSettingsFile).find("geheim"), std::string::npos);
}

TEST_F(SupplierWindowTest, RefusedInputSendsNothing) {
    openAsNewcomer();
    fillRequired();
    w.tlev[16].Text = "only the repeat";
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(lastMessage(), "The passwords differ");
    EXPECT_EQ(w.tlev[16].Text, "");
    EXPECT_EQ(w.form.Focus, &w.tlev[14]);

    w.tlev[2].Text = "";  // the short address box is required too
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(lastMessage(), "Fill in the required boxes");
    w.tlev[2].Text = "3";
    w.tlev[3].Text = "Utrecht <br>";
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(lastMessage(), "The box \"Place\" cannot hold the characters < >");
    w.tlev[3].Text = "Utrecht";
    w.tlev[21].Text = "Zeist | Driebergen";  // a bar would split the bank slot
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(lastMessage(), "The box \"Place\" cannot hold the characters |");
    EXPECT_EQ(market.count("ctrl02"), 0);

    w.tlev[21].Text = w.tlev[8].Text = "";  // the e-mail is tinted, not required
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(market.count("ctrl02"), 1);
}

TEST_F(SupplierWindowTest, AnUpdateThatWasNotTakenIsToldAndTheLogHidesThePassword) {
    st.LogEnabled = 1;
    veltolev_Load(desk);
    w.tlev[14].Text = w.tlev[16].Text = "nieuw-geheim";
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(urlsOf("ctrl03").at(0).rfind(
                  "http://srv.test/plix_ctrl.php?CD=03&ID_LV=4711&CTR=%3CBakker", 0),
              0u);
    EXPECT_NE(urlsOf("ctrl03").at(0).find("nieuw-geheim"), std::string::npos);
    EXPECT_NE(folder.read(kLogFile).find(" UPDATE (LEV) "), std::string::npos);
    EXPECT_EQ(folder.read(kLogFile).find("geheim"), std::string::npos);

    market.answer("ctrl03", "Error 409<br>That login name is taken; nothing was stored.");
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(lastMessage(), "That login name is taken; nothing was stored.");
    EXPECT_TRUE(w.cupdate.Visible);  // to try again
    st.OnlineFlag = 0;
    veltolev_cupdate_Click(desk);
    EXPECT_EQ(lastMessage(), "No PLIX connection");
}

TEST_F(SupplierWindowTest, DeletingForgetsTheMembershipHereAndAfterARestart) {
    veltolev_Load(desk);
    fakes.messages.answers = {MsgResult::Cancel};
    veltolev_cdelete_Click(desk);
    st.OnlineFlag = 0;  // not sent: the membership stays
    veltolev_cdelete_Click(desk);
    EXPECT_EQ(market.count("ctrl08"), 0);
    EXPECT_EQ(st.SupplierNumber, 4711);

    st.OnlineFlag = 1;
    market.answer("ctrl08", "Error 404<br>Unknown supplier.");  // gone already: fine too
    veltolev_cdelete_Click(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.SupplierList[30], "       ");
    EXPECT_EQ(w.lleva.Caption, "No PLIX member yet");
    EXPECT_FALSE(w.cdelete.Visible);
    EXPECT_EQ(restarted().SupplierNumber, 0);
    EXPECT_EQ(restartMessages, 0u);  // no check-value complaint either
}

TEST_F(SupplierWindowTest, ClosingSavesWhatWasTypedAndKeepsTheSystemItemsWhole) {
    st.SystemList[0] = "7";
    st.SettingsDirty = 1;
    savedat(desk);
    st.SettingsDirty = 0;
    const std::string before = folder.read(kSettingsFile);
    veltolev_Load(desk);
    EXPECT_TRUE(veltolev_c_exit_Click(desk));
    EXPECT_EQ(folder.read(kSettingsFile), before);  // nothing typed: nothing written
    EXPECT_EQ(st.StartupStep, 503);

    // Far more than the record holds: the longest texts are shortened there.
    st.WindowFetchAllowed = 1;
    veltolev_Load(desk);
    for (int box : {0, 1, 12, 18}) w.tlev[box].Text = std::string(300, 'x');
    type(0);
    EXPECT_TRUE(veltolev_c_exit_Click(desk));
    const DeskState again = restarted();
    EXPECT_EQ(again.SystemList[0], "7");
    EXPECT_LT(again.SupplierList[12].size(), 300u);

    veltolev_Load(desk);
    w.tlev[6].Text = "030 > 040";
    type(6);
    EXPECT_FALSE(veltolev_c_exit_Click(desk));  // stays open
    w.tlev[6].Text = "030-999";
    veltolev_Unload(desk);  // closed by the main window: kept for the next save
    EXPECT_EQ(st.SupplierList[6], "030-999");
}

}  // namespace
}  // namespace plix::testing
