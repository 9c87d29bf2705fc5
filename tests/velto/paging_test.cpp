// The page buttons under the request list.
#include "desk/velto/paging.h"
#include "tests/support/inbox_fixture.h"

namespace plix::testing {
namespace {

class PagingTest : public InboxFixture {};

TEST_F(PagingTest, PagingStaysWithinTheList) {
    EXPECT_EQ(pagedOffset(10, 25, kNextPage), 15);
    EXPECT_EQ(pagedOffset(15, 25, kPreviousPage), 5);
    EXPECT_EQ(pagedOffset(10, 25, kLastPage), 15);
    EXPECT_EQ(pagedOffset(15, 25, kFirstPage), 0);
    EXPECT_EQ(pagedOffset(0, 25, kNextPage), 10);
    EXPECT_EQ(pagedOffset(5, 25, kPreviousPage), 0);
    for (int button : {kNextPage, kPreviousPage, kFirstPage, kLastPage})
        EXPECT_EQ(pagedOffset(0, 7, button), 0) << button;  // fewer than ten: always the first page
}

TEST_F(PagingTest, PageButtonsRedrawTheList) {
    holdRequests(25);
    cvraag_Click(desk, kNextPage);
    EXPECT_EQ(st.PageOffset, 10);
    EXPECT_EQ(velto.lnr[0].Caption, "11");
    EXPECT_TRUE(velto.cvraag[1].Enabled);
    EXPECT_EQ(market.count("chkl02"), 1);
    cvraag_Click(desk, kLastPage);
    EXPECT_EQ(velto.lnr[0].Caption, "16");
    EXPECT_FALSE(velto.cvraag[0].Enabled);  // on the last page

    cvraag_Click(desk, kToTray);
    EXPECT_FALSE(velto.form.Visible);
    EXPECT_EQ(market.count("chkl02"), 2);
}

}  // namespace
}  // namespace plix::testing
