// The main window's fetch of the supplier record, and the refusal of text
// that would break the framing.
#include "desk/profile/supplier.h"
#include "desk/profile/framing.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

class SupplierRecordTest : public ProfileFixture {};

TEST_F(SupplierRecordTest, RecordFillsTheSlotsAndTheMainWindow) {
    std::vector<std::string> slots = memberSlots();
    slots[31] = "ja";
    market.answer("ctrl04", recordReply(slots));
    velto.cupdate.Visible = true;
    velto.llab[5].Visible = false;
    getlev(desk);
    EXPECT_EQ(market.urls.back(), "http://srv.test/plix_ctrl.php?CD=04&ID_LV=4711");
    EXPECT_EQ(st.SupplierList[0], "Bakker & Zn");
    EXPECT_EQ(st.SupplierList[19], "NL01BANK|De Bank|Zeist|NL");
    EXPECT_EQ(st.SupplierList[31], "ja");
    EXPECT_EQ(velto.lcred.Caption, "vol");
    EXPECT_TRUE(velto.llab[5].Visible);  // "To be checked"
    EXPECT_FALSE(velto.cupdate.Visible);

    // A shorter record fills what it has and leaves the rest.
    market.answer("ctrl04", "QLEV=<br>Nieuw<br>Straat<br>");
    getlev(desk);
    EXPECT_EQ(st.SupplierList[0], "Nieuw");
    EXPECT_EQ(st.SupplierList[3], "Utrecht");
    EXPECT_EQ(st.SupplierList[31], "ja");
}

TEST_F(SupplierRecordTest, WarningEndsTheMembershipAndTellsOnlyOnceAChangeWasSeen) {
    st.SupplierList[0] = "kept";
    market.answer("ctrl04", "Warning: not a member. QLEV=<br>x<br>");
    getlev(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
    EXPECT_EQ(st.SupplierList[0], "kept");
    EXPECT_TRUE(fakes.messages.shown.empty());

    st.ChangeSeen = 1;
    getlev(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Register first");
    EXPECT_EQ(fakes.messages.shown[0].title, "No PLIX member yet");

    market.answer("ctrl04", "no marker at all");
    st.SupplierNumber = 4711;
    getlev(desk);
    EXPECT_EQ(st.SupplierList[0], "kept");
    EXPECT_EQ(st.SupplierNumber, 4711);
}

TEST_F(SupplierRecordTest, TextThatBreaksTheFramingIsRefusedByName) {
    EXPECT_EQ(breakingCharacters("a|b>c<d", kBankBreakers), "<>|");
    EXPECT_EQ(breakingCharacters("Bakker & Zn, 100% | x", kItemBreakers), "");
    EXPECT_TRUE(acceptFieldText(desk, "Bakker & Zn", "&Name"));
    EXPECT_TRUE(fakes.messages.shown.empty());

    EXPECT_FALSE(acceptFieldText(desk, "line<br>break", "&Name"));
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "The box \"Name\" cannot hold the characters < >");
    st.LanguageTable[79] = "Vak %1: geen %2";
    EXPECT_FALSE(acceptFieldText(desk, "a|b", "Login:", kBankBreakers));
    EXPECT_EQ(fakes.messages.shown[1].text, "Vak Login: geen |");
}

}  // namespace
}  // namespace plix::testing
