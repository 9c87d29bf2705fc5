// The offers overview and its print window.
#include "desk/trade/offers_overview.h"

#include <gtest/gtest.h>

#include "desk/trade/veltovo.h"
#include "tests/support/trade_fixture.h"

namespace plix::testing {
namespace {

constexpr const char* kOffer =
    "[Zinc gutter][1450][Exc ][account 14 days][90][pick up]"
    "[J. Jansen][Main street 1][Utrecht][1000 AA][jj@example.org][030-1234567][06-12345678]<br>";

class OffersOverview : public TradeFixture {
protected:
    OffersOverview() {
        auto& t = st.LanguageTable;
        const char* offerLabels[6] = {"Description", "Total amount",  "VAT",
                                      "Payment",     "Delivery time", "Shipping"};
        for (int i = 0; i < 6; ++i) t[150 + i] = offerLabels[i];
        const char* contactLabels[6] = {"Name", "Address", "City", "Postcode", "", "Telephone"};
        for (int i = 0; i < 6; ++i) t[40 + i] = contactLabels[i];
        t[58] = "Name";
        t[137] = "within 3 months";
        t[97] = "No";
        t[87] = " offer";
    }
};

TEST_F(OffersOverview, EveryOfferWithItsCustomerInOneText) {
    const std::string dashes(220, '-');
    const std::string one =
        "DESCRIPTION : Zinc gutter , Total amount : \x80 1450 , VAT : Exc  , \r\n   "
        "Payment : account 14 days , Delivery time : within 3 months , Shipping : pick up , "
        "\r\n   Name : J. Jansen , Address : Main street 1 , City : Utrecht , Postcode : 1000 AA"
        " , \r\n   Email : jj@example.org , Telephone : 030-1234567 , GSM : 06-12345678 , \r\n   " +
        dashes + "\r\n   ";
    const std::string two = std::string(kOffer) + kOffer;
    EXPECT_EQ(composeOverview(two + "QEND2", st.LanguageTable), "   " + one + one);
    // A delivery value the offer window never sends shows as it came; without
    // "QEND" the reading ends after the first record.
    std::string odd = kOffer;
    odd.replace(odd.find("[90]"), 4, "[60]");
    const auto cut = composeOverview(odd + "[Second][9", st.LanguageTable);
    ASSERT_TRUE(cut);
    EXPECT_NE(cut->find("Delivery time : 60 ,"), std::string::npos);
    EXPECT_EQ(cut->find("Second"), std::string::npos);
    EXPECT_FALSE(composeOverview("QEND0", st.LanguageTable));
}

TEST_F(OffersOverview, ThePrintWindowTidiesColoursAndPrints) {
    market.answer("chkl12", std::string(kOffer) + "QEND1");
    offertes_Click(desk);
    EXPECT_EQ(lastUrl("chkl12"), "http://srv.test/plix_chkl.php?CD=12&ID_LV=4711");
    const VeltovoForm& vo = desk.veltovo;
    EXPECT_TRUE(vo.form.Visible);
    EXPECT_NE(st.OverviewText.find("VAT : Excl , "), std::string::npos);  // "Exc " tidied
    EXPECT_EQ(vo.loff.Text, st.OverviewText);
    EXPECT_EQ(vo.loff.TextColor, 0x308030);
    ASSERT_EQ(vo.loff.Spans.size(), 2u);
    EXPECT_EQ(vo.loff.Spans[0].Start, 3);  // "DESCRIPTION" in blue
    EXPECT_EQ(vo.loff.Spans[0].Color, 0xFF0000);
    const TextSpan& customer = vo.loff.Spans[1];  // from "Name" to the dashes, black
    EXPECT_EQ(vo.loff.Text.substr(customer.Start, 4), "Name");
    EXPECT_EQ(vo.loff.Text.substr(customer.Start + customer.Length, 8), "--------");
    EXPECT_EQ(customer.Size, 9);

    veltovo_cprint_Click(desk);
    ASSERT_EQ(fakes.printer.printed.size(), 1u);
    EXPECT_EQ(fakes.printer.printed[0].text, st.OverviewText);
    fakes.printer.answer = PrintResult::NoPrinter;
    veltovo_cprint_Click(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].text.find("No printer"), std::string::npos);

    // A line beginning ", " shows two blanks; a customer block without its
    // closing line is coloured to the end; no offers say so in red.
    std::string text = "Offers\r\n, Inc Name : Anna Jansen";
    tidyOverview(text);
    EXPECT_EQ(text, "Offers\r\n  InclName : Anna Jansen");
    RichTextBox box;
    showOverview(box, text, st.LanguageTable);
    ASSERT_EQ(box.Spans.size(), 1u);
    EXPECT_EQ(box.Spans[0].Start + box.Spans[0].Length, static_cast<int>(text.size()));
    market.answer("chkl12", "QEND0");
    offertes_Click(desk);
    EXPECT_EQ(vo.loff.Text, "No offer");
    ASSERT_EQ(vo.loff.Spans.size(), 1u);
    EXPECT_EQ(vo.loff.Spans[0].Color, 0x0000FF);
}

}  // namespace
}  // namespace plix::testing
