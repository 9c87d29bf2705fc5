// The server settings window: host and number into positions 1..38 of the
// settings record, the refusal of a number too long for it, and the identity
// wipe that keeps the language.
#include <gtest/gtest.h>

#include "desk/core/settings.h"
#include "desk/lang/veltosrv.h"
#include "tests/support/desk_fixture.h"

namespace plix::testing {
namespace {

class ServerWindowTest : public DeskFixture {
protected:
    VeltosrvForm& w = desk.veltosrv;
    ServerWindowTest() {
        st.LanguageTable[178] = "Too long:";
        RecordBuilder r;
        r.at(1, "www.old.test").at(31, "1001").at(39, "\x03").at(41, "<Name><Street>");
        folder.write("pxini.dat", r.record);
        loaddat(desk);
        st.SupplierList[27] = "ja";
        veltosrv_Load(desk);
    }
};

TEST_F(ServerWindowTest, ClosingStoresHostAndNumberInTheirPositions) {
    EXPECT_EQ(w.turl.Text, "www.old.test");
    EXPECT_EQ(w.tid.Text, "1001");
    w.turl.Text = "www.abcdefghijklmnopqrstuvw.nl";  // 30 characters
    w.tid.Text = "2002";
    veltosrv_cexit_Click(desk);
    EXPECT_EQ(st.SettingsRecord.substr(0, 38), "www.abcdefghijklmnopqrstuvw.nl2002    ");
    EXPECT_EQ(st.SettingsRecord[38], '\x03');
    EXPECT_EQ(st.SupplierList[30], "2002");
    EXPECT_EQ(st.SupplierNumber, 2002);
    EXPECT_FALSE(w.form.Visible);
    EXPECT_EQ(st.StartupStep, 503);  // the request list comes back after a connection test
    EXPECT_EQ(st.ServerHost, "www.abcdefghijklmnopqrstuvw.nl");  // ... to the new host
    // Saved, with the check value of the new number: the next start accepts it.
    loaddat(desk);
    checkSupplierNumber(desk);
    EXPECT_EQ(st.SupplierNumber, 2002);
    EXPECT_EQ(st.IdMismatch, 0);
    EXPECT_EQ(st.ServerHost, "www.abcdefghijklmnopqrstuvw.nl");
}

// Cut to its eight positions the number would fail its check at the next start.
TEST_F(ServerWindowTest, ANumberOfMoreThanEightCharactersIsRefused) {
    const std::string before = st.SettingsRecord;
    w.tid.Text = "123456789";
    veltosrv_cexit_Click(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Too long: 123456789");
    EXPECT_TRUE(w.form.Visible);
    EXPECT_EQ(st.SettingsRecord, before);
    EXPECT_EQ(st.SupplierNumber, 1001);

    int key = kEnterKey;
    veltosrv_tid_KeyPress(desk, key);
    EXPECT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(st.SupplierList[30], "1001");
    w.tid.Text = " 87654321 ";
    veltosrv_tid_KeyPress(desk, key);
    EXPECT_EQ(st.SupplierNumber, 87654321);
    EXPECT_EQ(key, kEnterKey);  // the key is passed on
}

TEST_F(ServerWindowTest, ClearIdWipesTheIdentityAndKeepsTheLanguage) {
    veltosrv_cid_Click(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.InboxRefreshRequest, 99);
    EXPECT_EQ(w.tid.Text, "");
    w.turl.Text = "";
    veltosrv_cexit_Click(desk);
    const std::string stored = folder.read("pxini.dat");
    EXPECT_EQ(stored.substr(0, 38), std::string(38, ' '));
    EXPECT_EQ(stored[38], '\x03');
    // The supplier items are an empty list, with nothing of the old one after it.
    std::string items;
    for (int i = 0; i < 30; ++i) items += "<>";
    EXPECT_EQ(stored.substr(40, 760), items + std::string(760 - items.size(), ' '));
    loaddat(desk);
    EXPECT_EQ(st.CurrentLanguage, 3);
    EXPECT_EQ(st.SupplierList[0], "");
    EXPECT_EQ(st.SupplierList[27], "");
}

TEST_F(ServerWindowTest, EnterInTheHostBoxMovesOnAndTypingMarksTheSettings) {
    st.SettingsDirty = 0;
    veltosrv_turl_KeyDown(desk);
    EXPECT_EQ(st.SettingsDirty, 1);
    int key = kEnterKey;
    veltosrv_turl_KeyPress(desk, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(w.form.Focus, &w.cexit);
}

}  // namespace
}  // namespace plix::testing
