// The branch catalogue: cutting its replies, the subcategories of a chosen
// category and copying a code into the branch-code box.
#include "desk/profile/branches.h"
#include "desk/profile/veltolev.h"
#include "tests/profile/profile_fixture.h"

namespace plix::testing {
namespace {

using Lines = std::vector<std::string>;

class CatalogueTest : public ProfileFixture {
protected:
    VeltolevForm& w = desk.veltolev;
};

TEST_F(CatalogueTest, RepliesAreCutAsTheServerFramesThem) {
    auto c =
        cutCategories("x MAX=3<br>A00 Bouw*4<br>no star<br>B00 IT*1<br>C00 last*2<br>QCNT=3<br>");
    EXPECT_TRUE(c->complete);
    EXPECT_EQ(c->lines, (Lines{"A00 Bouw", "B00 IT", "C00 last"}));
    EXPECT_FALSE(cutCategories("MAX=3<br>A00 Bouw*4<br>QCNT=2<br>")->complete);
    EXPECT_FALSE(cutCategories("MAX=0<br>A00 Bouw*4<br>QCNT=0<br>")->complete);
    EXPECT_EQ(cutCategories("MAX=2<br>A00 Bouw*4<br>B00 IT*1")->lines, Lines{"A00 Bouw"});
    EXPECT_FALSE(cutCategories("no catalogue"));
    // The first four characters, then the line from position name length + 4.
    EXPECT_EQ(*cutSubcategories("MAX<br>A01 ...Vloeren<br><br>QCNT=1<br>", 4),
              Lines{"A01 Vloeren"});
    EXPECT_FALSE(cutSubcategories("nothing", 4));
}

TEST_F(CatalogueTest, WithoutACatalogueTheWindowCannotSendOrDelete) {
    market.answer("ctrl05", "Error 503<br>busy");
    veltolev_Load(desk);
    EXPECT_FALSE(w.cupdate.Enabled || w.cdelete.Visible || w.Timer1.Enabled);
    EXPECT_EQ(w.lleva.Caption, "No PLIX connection");
    EXPECT_EQ(w.form.Caption, "Local copy");

    // Not allowed to fetch: no earlier reply passes for the catalogue.
    veltolev_Unload(desk);
    st.ServerReply = "MAX=1<br>A00 old*1<br>QCNT=1<br>";
    st.WindowFetchAllowed = 0;
    veltolev_Load(desk);
    EXPECT_EQ(market.count("ctrl05"), 1);
    EXPECT_FALSE(w.cupdate.Enabled);
}

TEST_F(CatalogueTest, ACategoryShowsItsSubcategoriesAndADoubleClickCopiesTheCode) {
    market.routes["ctrl05"] = [](const std::string& url) -> std::string {
        if (url.find("SU=") == std::string::npos)
            return "MAX=2<br>A00 Bouw*3<br>B00 Kantoor*2<br>QCNT=1<br>";
        return "MAX<br>A01 ...Timmerwerk<br>A02 ...Dakwerk<br>QCNT=2<br>";
    };
    veltolev_Load(desk);
    EXPECT_NE(market.urls.back().find("?CD=05&LNG=2"), std::string::npos);
    EXPECT_EQ(w.brcod.Caption, "Catalogue incomplete");  // QCNT differs from MAX
    w.List1.ListIndex = 0;
    veltolev_List1_Click(desk);
    EXPECT_NE(market.urls.back().find("?CD=05&SU=A&LNG=2"), std::string::npos);
    EXPECT_EQ(w.List2.Items, (Lines{"A01 Timmerwerk", "A02 Dakwerk"}));
    EXPECT_EQ(w.brcod.Caption, "  Categories              Subcategories  Bouw");

    st.SettingsDirty = 0;
    veltolev_tlev_GotFocus(desk, 3);
    w.List2.ListIndex = 1;
    veltolev_List2_DblClick(desk);  // the last box focused is no branch box
    EXPECT_EQ(st.SettingsDirty, 0);
    veltolev_tlev_GotFocus(desk, 11);
    veltolev_List2_DblClick(desk);
    EXPECT_EQ(w.tlev[11].Text, "A02");
    EXPECT_EQ(w.form.Focus, &w.tlev[11]);
    EXPECT_EQ(st.SettingsDirty, 1);
}

}  // namespace
}  // namespace plix::testing
