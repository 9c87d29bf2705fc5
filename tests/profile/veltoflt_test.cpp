// The filter window: the word filters with their local copy, the place and
// country boxes, the half-second arming and the close question.
#include <filesystem>

#include "desk/profile/veltoflt.h"
#include "desk/velto/commands.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

class FilterWindowTest : public ProfileFixture {
protected:
    VeltofltForm& w = desk.veltoflt;
    FilterWindowTest() {
        veltoflt_Timers(desk, fakes.scheduler);
        st.FilterRecord = std::string(1024, ' ');
        st.FilterRecord.replace(0, 5, "local");
        st.FilterRecord.replace(512, 4, "pass");
        market.answer("ctrl06", "QFILT=<br>tegels, dak<br>hout<br>4711<br>");
    }
    void open() {
        veltoflt_Load(desk);
        fakes.scheduler.advance(500);  // armed
    }
    void tick(int box) {
        w.chkland[box].Value = 1 - w.chkland[box].Value;
        veltoflt_chkland_Click(desk, box);
    }
};

TEST_F(FilterWindowTest, TheServersCopyReplacesTheLocalOneFieldByField) {
    auto full = cutFilterReply("x QFILT=<br>a<br>b<br>7<br>");
    EXPECT_EQ(full->block, "a");
    EXPECT_EQ(full->number, "7");
    auto part = cutFilterReply("QFILT=<br>only block<br>no end");
    EXPECT_EQ(part->block, "only block");
    EXPECT_FALSE(part->pass || part->number);
    EXPECT_FALSE(cutFilterReply("nothing"));

    open();
    EXPECT_EQ(market.urls.back(), "http://srv.test/plix_ctrl.php?CD=06&ID_LV=4711&=&=");
    EXPECT_EQ(w.tsper.Text, "tegels, dak");
    EXPECT_EQ(w.tdoorlaat.Text, "hout");
    EXPECT_EQ(w.brcod.Caption, "");
    EXPECT_EQ(st.FilterState, 2);
    EXPECT_TRUE(w.cupdate.Enabled);
    EXPECT_EQ(w.form.Caption, "Your filters on the PLIX server");
    EXPECT_EQ(w.form.Width, w.fr_start.Width + 300);

    // A short reply: the complete fields, the local copy for the rest.
    veltoflt_Unload(desk);
    market.answer("ctrl06", "QFILT=<br>tegels<br>cut");
    open();
    EXPECT_EQ(w.tsper.Text, "tegels");
    EXPECT_EQ(w.tdoorlaat.Text, "pass");

    veltoflt_Unload(desk);
    market.answer("ctrl06", "QFILT=<br>a<br>b<br>999<br>");
    open();
    EXPECT_EQ(w.brcod.Caption, "Another supplier's filters");

    veltoflt_Unload(desk);
    st.OnlineFlag = 0;
    open();
    EXPECT_EQ(w.tsper.Text, "local");
    EXPECT_TRUE(w.lleva.Visible);
    EXPECT_EQ(w.lleva.Caption, "No PLIX connection");
    EXPECT_EQ(w.form.Caption, "Your filters on the local PC");
    EXPECT_FALSE(w.cupdate.Enabled);
}

TEST_F(FilterWindowTest, CountryBoxesReachTheSettingsOnlyOnceArmed) {
    st.SystemList[17] = "1000000001";
    st.SystemList[15] = "Zeist";
    veltoflt_Load(desk);
    EXPECT_EQ(w.chkland[9].Value, 1);
    EXPECT_EQ(w.chkland[0].Value, 1);
    EXPECT_EQ(w.chkland[5].Value, 0);
    EXPECT_EQ(w.tplaats[0].Text, "Zeist");
    EXPECT_FALSE(w.chkland[5].Visible);  // a country without a name
    tick(3);
    EXPECT_EQ(st.SystemList[17], "1000000001");  // not armed yet

    fakes.scheduler.advance(500);
    EXPECT_EQ(st.FilterArmed, 1);
    tick(0);
    tick(9);
    EXPECT_EQ(st.SystemList[17], "1000");
    EXPECT_EQ(st.CountryBlock[3], 4);
    EXPECT_EQ(st.CountryBlock[0], -1);
    tick(0);
    tick(3);
    tick(9);
    EXPECT_EQ(st.SystemList[17], "1000000001");
    EXPECT_EQ(st.SettingsDirty, 1);

    // All nine language countries: the interface language's stays open, in
    // the boxes and in what is stored.
    for (int i = 1; i < 9; ++i) tick(i);
    EXPECT_EQ(w.chkland[1].Value, 0);  // Dutch is the interface language
    EXPECT_EQ(st.SystemList[17], "1111111101");
    EXPECT_EQ(st.CountryBlock[1], -1);

    w.tplaats[1].Text = "Amers<foort>";
    veltoflt_tplaats_Change(desk, 1);
    EXPECT_EQ(st.SystemList[16], "");  // not taken
    w.tplaats[1].Text = "Amersfoort";
    veltoflt_tplaats_Change(desk, 1);
    EXPECT_EQ(st.SystemList[16], "Amersfoort");
    EXPECT_TRUE(w.cupdate.Visible);
}

TEST_F(FilterWindowTest, SendingStoresTheWordsAndRefreshesTheInbox) {
    open();
    w.tsper.Text = "tegels & dak";
    veltoflt_words_Change(desk);
    EXPECT_EQ(st.FilterState, 1);
    int key = kEnterKey;
    veltoflt_words_KeyPress(desk, key);
    EXPECT_EQ(key, 0);  // the words stay on one line
    veltoflt_cupdate_Click(desk);
    EXPECT_EQ(
        urlsOf("ctrl07").back(),
        "http://srv.test/plix_ctrl.php?CD=07&ID_LV=4711&CTR=%3Ctegels%20%26%20dak%3E%3Chout%3E");
    EXPECT_EQ(st.FilterState, 2);
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(st.FilterRecord.substr(0, 13), "tegels & dak ");
    EXPECT_EQ(st.FilterRecord.substr(512, 5), "hout ");

    w.tdoorlaat.Text = "<b>";
    veltoflt_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "The box \"Pass\" cannot hold the characters < >");
    EXPECT_EQ(market.count("ctrl07"), 1);

    w.tdoorlaat.Text = "hout";
    st.FilterState = 1;
    st.OnlineFlag = 0;
    veltoflt_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "No PLIX connection");
    EXPECT_EQ(st.FilterState, 1);
    EXPECT_TRUE(w.cupdate.Visible);
}

TEST_F(FilterWindowTest, ClosingAsksOnlyAboutChangesAndNoPutsTheFiltersBack) {
    open();
    EXPECT_TRUE(veltoflt_cexit_Click(desk));  // the server's copy, nothing typed
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(st.FilterState, 1);
    EXPECT_EQ(folder.read(kFilterFile).substr(0, 12), "tegels, dak ");
    EXPECT_EQ(
        std::filesystem::status(folder / kFilterFile).permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(w.form.Visible);
    EXPECT_EQ(st.FilterArmed, 0);

    st.SettingsDirty = 0;
    open();
    tick(2);
    w.tplaats[0].Text = "Zeist";
    veltoflt_tplaats_Change(desk, 0);
    fakes.messages.answers = {MsgResult::No};
    EXPECT_TRUE(veltoflt_cexit_Click(desk));
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Keep?");
    EXPECT_EQ(fakes.messages.shown[0].title, "Filters");  // without the menu's marker
    EXPECT_EQ(st.FilterState, 0);
    EXPECT_EQ(st.SystemList[17], "0");  // as it was at opening
    EXPECT_EQ(st.SystemList[15], "");
    EXPECT_EQ(st.CountryBlock[2], -1);
    EXPECT_EQ(st.StartupStep, 503);

    open();
    tick(2);
    EXPECT_TRUE(veltoflt_cexit_Click(desk));  // Yes
    EXPECT_EQ(st.SystemList[17], "100");
    EXPECT_EQ(restarted().SystemList[17], "100");

    open();
    w.tplaats[0].Text = "Zeist>";
    EXPECT_FALSE(veltoflt_cexit_Click(desk));
    EXPECT_TRUE(w.form.Visible);
}

TEST_F(FilterWindowTest, ClosedByTheMainWindowTheTypedWordsAreKept) {
    open();
    w.tsper.Text = "nieuw";
    veltoflt_words_Change(desk);
    unloadall(desk);
    EXPECT_FALSE(w.form.Visible);
    EXPECT_EQ(st.FilterArmed, 0);
    EXPECT_EQ(st.FilterRecord.substr(0, 6), "nieuw ");
    savedat(desk);
    EXPECT_EQ(folder.read(kFilterFile).substr(0, 6), "nieuw ");
}

}  // namespace
}  // namespace plix::testing
