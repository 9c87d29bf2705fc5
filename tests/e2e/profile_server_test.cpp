// A newcomer's profile and filters against the reference server: register
// through the supplier window with a code from the Dutch catalogue, update,
// screen the inbox with word, country and place filters, delete.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "desk/core/settings.h"
#include "desk/inbox/inbox.h"
#include "desk/lang/language_table.h"
#include "desk/profile/branches.h"
#include "desk/profile/supplier.h"
#include "desk/profile/veltoflt.h"
#include "desk/profile/veltolev.h"
#include "platform/linux/curl_http_client.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/plixsrv_process.h"

namespace plix::testing {
namespace {

class ProfileServerTest : public DeskFixture {
protected:
    TempFolder serverFolder;
    PlixsrvProcess server{PLIXSRV_PROGRAM, (serverFolder / "plixsrv.db").string(), {"--demo"}};
    CurlHttpClient http;
    VeltolevForm& lev = desk.veltolev;
    VeltofltForm& flt = desk.veltoflt;

    void SetUp() override {
        ASSERT_NE(server.port(), 0);
        std::ifstream shipped(std::string(PLIX_SOURCE_DIR) + "/data/pxlng.dat", std::ios::binary);
        folder.write("pxlng.dat", std::string(std::istreambuf_iterator<char>(shipped), {}));
        folder.write(kSettingsFile, RecordBuilder().at(39, "\x02").record);  // Dutch, no number
        desk.os.http = &http;
        veltoflt_Timers(desk, fakes.scheduler);
        loaddat(desk);
        taalhandle(desk);
        st.ServerHost = server.host();
        st.OnlineFlag = 1;
        st.TrayFlag = 1;
        st.WindowFetchAllowed = 1;
        st.MaxShown = 256;
        st.FirstFetchDone = 1;
    }

    std::vector<std::string> inboxTitles() {
        getvraag(desk);
        std::vector<std::string> titles;
        for (int i = 0; i < st.AcceptedCount; ++i) titles.push_back(st.Requests[i].title);
        return titles;
    }
    void openFilters() {
        veltoflt_Load(desk);
        fakes.scheduler.advance(500);
    }
};

TEST_F(ProfileServerTest, ANewcomerRegistersKeepsAProfileAndScreensRequests) {
    veltolev_Load(desk);
    ASSERT_EQ(st.LanguageTable[108], "OK");
    const char* typed[] = {"Tegelhandel & Zn", "Dorpsstraat", "7a",
                           "Utrecht",          "3511 AB",     "Nederland"};
    for (int i = 0; i < 6; ++i) lev.tlev[i].Text = typed[i];
    lev.tlev[14].Text = lev.tlev[16].Text = "geheim12";
    // The catalogue in Dutch: the first category, its first subcategory.
    veltolev_tlev_GotFocus(desk, 10);
    EXPECT_EQ(lev.List1.Items.at(0).substr(0, 8), "A00 Bouw");
    lev.List1.ListIndex = 0;
    veltolev_List1_Click(desk);
    lev.List2.ListIndex = 0;
    veltolev_List2_DblClick(desk);
    EXPECT_EQ(lev.tlev[10].Text, "A01");
    veltolev_cupdate_Click(desk);
    const long long number = st.SupplierNumber;
    ASSERT_NE(number, 0);
    EXPECT_TRUE(veltolev_c_exit_Click(desk));
    FakeServices fakes2;  // a restart keeps the number
    Desk again{fakes2.bundle(), DeskConfig{folder.path(), kTestDefaultHost}};
    loaddat(again);
    checkSupplierNumber(again);
    EXPECT_EQ(again.st.SupplierNumber, number);

    // An update reaches the server.
    st.WindowFetchAllowed = 1;
    veltolev_Load(desk);
    lev.tlev[0].Text = "Tegelhandel Utrecht";
    veltolev_cupdate_Click(desk);
    getlev(desk);
    EXPECT_EQ(st.SupplierList[0], "Tegelhandel Utrecht");
    EXPECT_EQ(st.SupplierList[28], "proef");
    veltolev_Unload(desk);

    // The inbox (category A, in Utrecht or without a place) under a block
    // word, a blocked country and a blocked place.
    EXPECT_EQ(inboxTitles(),
              (std::vector<std::string>{"Oak staircase", "Need 40 m2 oak flooring"}));
    openFilters();
    flt.tsper.Text = "staircase";
    veltoflt_words_Change(desk);
    veltoflt_cupdate_Click(desk);
    EXPECT_TRUE(veltoflt_cexit_Click(desk));
    EXPECT_EQ(inboxTitles(), (std::vector<std::string>{"Need 40 m2 oak flooring"}));
    openFilters();
    flt.chkland[1].Value = 1;  // the Netherlands
    veltoflt_chkland_Click(desk, 1);
    EXPECT_TRUE(veltoflt_cexit_Click(desk));
    EXPECT_TRUE(inboxTitles().empty());
    openFilters();
    flt.chkland[1].Value = 0;
    veltoflt_chkland_Click(desk, 1);
    EXPECT_EQ(inboxTitles().size(), 1u);
    flt.tplaats[0].Text = "utrecht";
    veltoflt_tplaats_Change(desk, 0);
    EXPECT_TRUE(veltoflt_cexit_Click(desk));
    EXPECT_TRUE(inboxTitles().empty());

    // Deleting the membership: no member here, and none on the server.
    veltolev_Load(desk);
    veltolev_cdelete_Click(desk);
    EXPECT_EQ(st.SupplierNumber, 0);
    st.SupplierList[30] = std::to_string(number);
    st.SupplierNumber = number;
    getlev(desk);
    EXPECT_EQ(st.SupplierNumber, 0);  // "Warning"
}

}  // namespace
}  // namespace plix::testing
