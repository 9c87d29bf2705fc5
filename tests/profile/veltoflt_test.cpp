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
        veltoflt_Unload(desk);
        veltoflt_Load(desk);
        fakes.scheduler.advance(500);  // armed
    }
    void tick(int box) {
        w.chkland[box].Value = 1 - w.chkland[box].Value;
        veltoflt_chkland_Click(desk, box);
    }
};

TEST_F(FilterWindowTest, TheServersCopyReplacesTheLocalOneFieldByField) {
    open();
    EXPECT_EQ(market.urls.back(), "http://srv.test/plix_ctrl.php?CD=06&ID_LV=4711&=&=");
    EXPECT_EQ(w.tsper.Text + "/" + w.tdoorlaat.Text, "tegels, dak/hout");
    EXPECT_EQ(st.FilterState, 2);

    market.answer("ctrl06", "QFILT=<br>tegels<br>cut");  // short: the rest stays local
    open();
    EXPECT_EQ(w.tsper.Text + "/" + w.tdoorlaat.Text, "tegels/pass");
    EXPECT_EQ(w.brcod.Caption, "");
    market.answer("ctrl06", "QFILT=<br>a<br>b<br>999<br>");
    open();
    EXPECT_EQ(w.brcod.Caption, "Another supplier's filters");

    st.OnlineFlag = 0;
    open();
    EXPECT_EQ(w.tsper.Text, "local");
    EXPECT_EQ(w.lleva.Caption, "No PLIX connection");
    EXPECT_FALSE(w.cupdate.Enabled);
}

TEST_F(FilterWindowTest, CountryBoxesReachTheSettingsOnceArmed) {
    st.SystemList[17] = "1000000001";
    veltoflt_Load(desk);
    EXPECT_EQ(w.chkland[9].Value + w.chkland[0].Value + w.chkland[5].Value, 2);
    tick(3);
    EXPECT_EQ(st.SystemList[17], "1000000001");  // not armed yet

    fakes.scheduler.advance(500);
    tick(0);
    tick(9);
    EXPECT_EQ(st.SystemList[17], "1000");
    EXPECT_EQ(st.CountryBlock[3], 4);

    // All nine language countries: the interface language's (Dutch) stays
    // open, in the boxes and in what is stored.
    for (int i = 0; i < 9; ++i)
        if (i != 3) tick(i);
    EXPECT_EQ(w.chkland[1].Value, 0);
    EXPECT_EQ(st.SystemList[17], "111111101");
    EXPECT_EQ(st.CountryBlock[1], -1);

    w.tplaats[1].Text = "Amers<foort>";
    veltoflt_tplaats_Change(desk, 1);
    EXPECT_EQ(st.SystemList[16], "");  // not taken into the settings
}

TEST_F(FilterWindowTest, SendingStoresTheWordsAndRefreshesTheInbox) {
    open();
    w.tsper.Text = "tegels & dak";
    veltoflt_words_Change(desk);
    veltoflt_cupdate_Click(desk);
    EXPECT_EQ(
        urlsOf("ctrl07").back(),
        "http://srv.test/plix_ctrl.php?CD=07&ID_LV=4711&CTR=%3Ctegels%20%26%20dak%3E%3Chout%3E");
    EXPECT_EQ(st.FilterState, 2);
    EXPECT_EQ(st.FilterRecord.substr(0, 13), "tegels & dak ");  // the local copy follows

    st.LanguageTable[79] = "Vak %1: geen %2";
    w.tdoorlaat.Text = "<b>";
    veltoflt_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "Vak Pass: geen < >");
    w.tdoorlaat.Text = "hout";
    st.FilterState = 1;
    st.OnlineFlag = 0;
    veltoflt_cupdate_Click(desk);
    EXPECT_EQ(fakes.messages.shown.back().text, "No PLIX connection");
    EXPECT_EQ(st.FilterState, 1);
    EXPECT_EQ(market.count("ctrl07"), 1);
}

TEST_F(FilterWindowTest, ClosingAsksOnlyAboutChangesAndNoPutsTheFiltersBack) {
    open();
    EXPECT_TRUE(veltoflt_cexit_Click(desk));  // the server's copy, nothing typed
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(folder.read(kFilterFile).substr(0, 12), "tegels, dak ");
    EXPECT_EQ(
        std::filesystem::status(folder / kFilterFile).permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    st.SettingsDirty = 0;
    open();
    tick(2);
    w.tplaats[0].Text = "Zeist";
    veltoflt_tplaats_Change(desk, 0);
    fakes.messages.answers = {MsgResult::No};
    EXPECT_TRUE(veltoflt_cexit_Click(desk));
    EXPECT_EQ(fakes.messages.shown.at(0).title, "Filters");  // without the menu's marker
    EXPECT_EQ(st.FilterState, 0);
    EXPECT_EQ(st.SystemList[17], "0");  // as it was at opening
    EXPECT_EQ(st.CountryBlock[2], -1);

    open();
    tick(2);
    EXPECT_TRUE(veltoflt_cexit_Click(desk));  // Yes
    EXPECT_EQ(restarted().SystemList[17], "100");

    open();
    w.tplaats[0].Text = "Zeist>";
    EXPECT_FALSE(veltoflt_cexit_Click(desk));  // stays open
    w.tplaats[0].Text = "";
    w.tsper.Text = "nieuw";
    veltoflt_words_Change(desk);
    unloadall(desk);  // closed by the main window: the typed words are kept
    EXPECT_EQ(st.FilterRecord.substr(0, 6), "nieuw ");
}

}  // namespace
}  // namespace plix::testing
