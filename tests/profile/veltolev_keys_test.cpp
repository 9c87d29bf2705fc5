// The supplier window's keys and focus: the walk through the boxes, the
// password check on the way, the colours and the widening for the catalogue.
#include "desk/profile/veltolev.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

class ProfileKeysTest : public ProfileFixture {
protected:
    VeltolevForm& w = desk.veltolev;
    ProfileKeysTest() { veltolev_Load(desk); }

    // Where the focus goes from box n after the key, -1 for the language
    // list, -2 when it stays.
    int after(int n, int code) {
        w.form.Focus = nullptr;
        int key = code;
        if (code == kEnterKey)
            veltolev_tlev_KeyPress(desk, n, key);
        else
            veltolev_tlev_KeyDown(desk, n, key);
        EXPECT_EQ(key, 0) << "the key is swallowed";
        if (w.form.Focus == &w.taal) return -1;
        for (int i = 0; i < kProfileBoxes; ++i)
            if (w.form.Focus == &w.tlev[i]) return i;
        return -2;
    }
};

TEST_F(ProfileKeysTest, EnterAndTheArrowsWalkTheProfilesOrder) {
    EXPECT_EQ(after(0, kEnterKey), 1);
    EXPECT_EQ(after(8, kEnterKey), -1);
    EXPECT_EQ(after(13, kDownKey), 15);  // the login name before the passwords
    EXPECT_EQ(after(15, kEnterKey), 14);
    EXPECT_EQ(after(14, kDownKey), 16);
    EXPECT_EQ(after(16, kEnterKey), 17);
    EXPECT_EQ(after(22, kEnterKey), -2);
    EXPECT_EQ(after(10, kUpKey), -1);
    EXPECT_EQ(after(16, kUpKey), 14);
    EXPECT_EQ(after(14, kUpKey), 15);
    EXPECT_EQ(after(15, kUpKey), 13);
    EXPECT_EQ(after(0, kUpKey), -2);

    int key = kDownKey;
    veltolev_taal_KeyDown(desk, key);
    EXPECT_EQ(w.form.Focus, &w.tlev[10]);
    key = kUpKey;
    veltolev_taal_KeyDown(desk, key);
    EXPECT_EQ(w.form.Focus, &w.tlev[8]);
    key = kEnterKey;
    veltolev_taal_KeyPress(desk, key);
    EXPECT_EQ(w.form.Focus, &w.tlev[10]);
    EXPECT_EQ(key, 0);
}

TEST_F(ProfileKeysTest, KeysMarkTheProfileChangedAndLeavingTheRepeatChecksThePasswords) {
    st.SettingsDirty = 0;
    st.IdleTicks = 12;
    int key = 'a';
    veltolev_tlev_KeyDown(desk, 4, key);
    EXPECT_EQ(key, 'a');  // an ordinary key goes through
    EXPECT_EQ(st.SettingsDirty, 1);
    EXPECT_EQ(st.IdleTicks, 0);
    EXPECT_TRUE(w.cupdate.Visible);

    w.tlev[14].Text = "een";
    w.tlev[16].Text = "twee";
    EXPECT_EQ(after(16, kEnterKey), 14);
    EXPECT_EQ(fakes.messages.shown.back().text, "The passwords differ");
    EXPECT_EQ(w.tlev[14].Text, "");
    EXPECT_EQ(w.tlev[16].Text, "");
    EXPECT_EQ(after(16, kDownKey), 17);  // both empty: passes

    // A language chosen with the mouse, a box pasted into: changes too.
    st.SettingsDirty = 0;
    veltolev_taal_Click(desk);
    EXPECT_EQ(st.SettingsDirty, 1);
    st.SettingsDirty = 0;
    veltolev_tlev_Change(desk, 7);
    EXPECT_EQ(st.SettingsDirty, 1);
}

TEST_F(ProfileKeysTest, FocusColoursTheBoxesAndTheBranchBoxesWidenTheWindow) {
    veltolev_tlev_GotFocus(desk, 3);
    EXPECT_EQ(w.FocusedField, 3);
    EXPECT_EQ(w.tlev[3].BackColor, 0xC0FFFF);  // light yellow
    EXPECT_EQ(w.tlev[8].BackColor, 0xFFFFC0);  // light cyan: required
    EXPECT_EQ(w.tlev[6].BackColor, kDefaultColour);
    EXPECT_FALSE(w.List1.Visible);
    EXPECT_EQ(w.form.Width, 5600);

    veltolev_tlev_GotFocus(desk, 11);
    EXPECT_EQ(w.tlev[3].BackColor, 0xFFFFC0);
    EXPECT_TRUE(w.List1.Visible && w.List2.Visible && w.brcod.Visible);
    EXPECT_EQ(w.form.Width, 11000);
    EXPECT_EQ(w.form.Left, 200);
    EXPECT_EQ(w.fr_start.Width, 10800);

    veltolev_tlev_GotFocus(desk, 12);
    EXPECT_FALSE(w.List1.Visible || w.List2.Visible || w.brcod.Visible);
    EXPECT_EQ(w.form.Width, 5600);
    EXPECT_EQ(w.fr_start.Width, 5400);
}

}  // namespace
}  // namespace plix::testing
