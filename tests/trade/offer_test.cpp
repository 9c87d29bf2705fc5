// The offer window: the stored offer, the three lists, the confirm rule, and
// an offer that reaches the server (or does not).
#include "desk/trade/offer.h"

#include <gtest/gtest.h>

#include "desk/trade/veltooff.h"
#include "desk/trade/veltorsp.h"
#include "tests/support/trade_fixture.h"

namespace plix::testing {
namespace {

class OfferWindow : public TradeFixture {
protected:
    OfferWindow() {
        std::vector<ListRecord> list;
        for (int i = 1; i <= 30; ++i) list.push_back(record(100 + i));
        serveList(list);
        st.PageOffset = 20;
        getvraag(desk);
        open(3);  // request 124, inbox index 23
    }
    // Opens the offer form and lets its Timer2 fill in the stored offer.
    void openOffer() {
        veltorsp_cbestel_Click(desk);
        fakes.scheduler.advance(500);
    }
    void fillIn() {
        off.tsub.Text = "Oak floor, 40 m2";
        off.tbedrag.Text = "1450,50";
        off.coff[0].ListIndex = 6;  // account 30 days
        off.coff[1].ListIndex = 6;  // within 1 month
        off.coff[2].ListIndex = 3;  // sended by courier
        off.optbtw[0].Value = true;
        off.optbtw[1].Value = false;
    }
};

TEST_F(OfferWindow, TheStoredOfferReopensWithItsListEntries) {
    // Never opened before in this run and no language loaded: the English
    // lists are in place before the stored texts are matched.
    market.answer("chkl10", "[Oak][0][Incl][account 14 days][30][sended by courier]<br>QEND1");
    openOffer();
    EXPECT_EQ(lastUrl("chkl10"), "http://srv.test/plix_chkl.php?CD=10&ID_LV=4711&RNR=124");
    EXPECT_TRUE(off.form.Visible);
    EXPECT_EQ(off.form.Left, 100);
    EXPECT_EQ(off.form.Top, 400);
    EXPECT_EQ(off.form.Height, velto.form.Height + 200);
    EXPECT_EQ(off.coff[0].Items.size(), 9u);  // eight English entries and the empty line
    EXPECT_EQ(off.coff[0].Text(), "account 14 days");
    EXPECT_EQ(off.coff[1].Text(), "within 1 month");
    EXPECT_EQ(off.coff[2].Text(), "sended by courier");
    EXPECT_EQ(off.tsub.Text, "Oak");
    EXPECT_EQ(off.tbedrag.Text, "");  // "0" is no amount
    EXPECT_TRUE(off.optbtw[0].Value);
    EXPECT_EQ(st.OfferChoices[23][3], 1);

    // The pure readers behind it: direct is line 1, unknown days line 0, a
    // shipping text the server cut to 20 characters still matches.
    OfferRow row{};
    auto table = st.LanguageTable;
    table[141] = "collection by customer";
    row[6] = "collection by custom";
    EXPECT_EQ(choicesFor(row, table)[2], 1);
    row[5] = "-1";
    EXPECT_EQ(choicesFor(row, st.LanguageTable)[1], 1);
    row[5] = "60";
    EXPECT_EQ(choicesFor(row, st.LanguageTable)[1], 0);
    EXPECT_FALSE(parseStoredOffer("No offer yet<br>QEND0"));
}

TEST_F(OfferWindow, ConfirmIsEnabledOnlyForACompleteOffer) {
    market.answer("chkl10", "No offer yet<br>QEND0");
    openOffer();
    fakes.scheduler.advance(500);
    EXPECT_FALSE(off.cconfirm.Enabled);
    fillIn();
    fakes.scheduler.advance(500);
    EXPECT_TRUE(off.cconfirm.Enabled);
    // The empty line that ends the delivery list is no choice.
    off.coff[1].ListIndex = static_cast<int>(off.coff[1].Items.size()) - 1;
    EXPECT_EQ(off.coff[1].Text(), "");
    fakes.scheduler.advance(500);
    EXPECT_FALSE(off.cconfirm.Enabled);
    veltooff_cconfirm_Click(desk);  // a click that slipped through does nothing
    EXPECT_EQ(st.OfferToSend.state, PendingOffer::State::None);
    EXPECT_TRUE(off.form.Visible);
}

TEST_F(OfferWindow, AnOfferIsRecordedOnceTheServerTookIt) {
    openOffer();
    fillIn();
    veltooff_cconfirm_Click(desk);
    EXPECT_FALSE(off.form.Visible);
    EXPECT_EQ(st.StartupStep, 503);
    EXPECT_EQ(market.count("chkl06"), 0);  // the reactions window sends it
    st.ReactionsCommand = kReloadRequest;  // a reload asked for meanwhile...
    fakes.scheduler.advance(500);          // ...does not push the offer aside
    EXPECT_EQ(lastUrl("chkl06"),
              "http://srv.test/plix_chkl.php?CD=06&ID_LV=4711&RNR=124&A=1450%2C50&B=Incl&C=Oak%20"
              "floor%2C%2040%20m2&D=%3Caccount%2030%20days%3E%3C30%3E%3Csended%20by%20courier%3E");
    EXPECT_EQ(st.OfferFields[23][2], "1450,50");
    EXPECT_EQ(st.OfferChoices[23][0], 6);
    const std::string record = folder.read(kOfferLogFile);
    EXPECT_EQ(record, std::string(80, '=') + "\r\n" + todayText() +
                          "   Title 124     VRN124   AID" + "A124\r\n" + std::string(80, '-') +
                          "\r\n\r\nOak floor, 40 m2\r\nBedrag 1450,50 Incl. BTW\r\n"
                          "Wijze van betaling : account 30 days\r\n"
                          "Levertijd          : within 1 month\r\n"
                          "Verzending         : sended by courier\r\n\r\n\r\n");
    EXPECT_EQ(st.OfferToSend.state, PendingOffer::State::None);
    fakes.scheduler.advance(1000);
    EXPECT_EQ(market.count("chkl06"), 1);  // sent once
}

TEST_F(OfferWindow, AnOfferTheServerDidNotTakeIsNeitherRecordedNorLost) {
    openOffer();
    fillIn();
    veltooff_cconfirm_Click(desk);
    st.OnlineFlag = 0;
    unloadall(desk);  // the refresh closes the windows before the tick: sent then
    EXPECT_EQ(st.OfferToSend.state, PendingOffer::State::Failed);
    EXPECT_EQ(folder.read(kOfferLogFile), "");
    EXPECT_EQ(st.OfferFields[23][1], "");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_NE(fakes.messages.shown[0].text.find("offer on \"Title 124\" was not sent"),
              std::string::npos);

    // Reopened for the same request, the form holds what was typed; confirmed
    // again it goes out.
    st.OnlineFlag = 1;
    market.answer("chkl10", "No offer yet<br>QEND0");
    open(3);
    openOffer();
    EXPECT_EQ(off.tsub.Text, "Oak floor, 40 m2");
    EXPECT_EQ(off.coff[1].Text(), "within 1 month");
    veltooff_cconfirm_Click(desk);
    fakes.scheduler.advance(500);
    EXPECT_EQ(market.count("chkl06"), 1);
    EXPECT_NE(folder.read(kOfferLogFile).find("Bedrag 1450,50"), std::string::npos);
}

}  // namespace
}  // namespace plix::testing
