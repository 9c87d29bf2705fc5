// The chat, help, server and autostart windows as the user meets them, and the alert
// settings panel laid out for every language.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include "desk/chat/chat_reply.h"
#include "desk/core/autostart_entry.h"
#include "desk/gui/veltoaut_view.h"
#include "desk/gui/veltochatl_view.h"
#include "desk/gui/veltosrv_view.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/market_double.h"

namespace plix::testing {
namespace {

class SmallWindowsTest : public GuiFixture {
protected:
    MarketDouble market;
    void SetUp() override {
        useShippedLanguages();
        desk.os.http = &market;
        load();
        st.OnlineFlag = 1;
        st.SupplierList[30] = "4711";
        market.answer("chkl13", "<br>[17][23]<br>QEND2");
        market.answer("chkl15", "[17][J][open][klant][Hello][vervolg][Thanks]");
    }
    QColor colourAt(QTextEdit* edit, int block) {
        return edit->document()
            ->findBlockByNumber(block)
            .begin()
            .fragment()
            .charFormat()
            .foreground()
            .color();
    }
};

TEST_F(SmallWindowsTest, TheChatWindowDrawsItsLinesAndFollowsTheContactChosen) {
    window.actionOf(velto.directchat)->trigger();
    auto& chat = windows.view<VeltochatlView>();
    VeltochatlForm& w = desk.veltochatl;
    auto* contacts = qobject_cast<QComboBox*>(chat.widgetOf(&w.Combo1));
    auto* lines = qobject_cast<QTextEdit*>(chat.widgetOf(&w.lchat));
    auto* input = qobject_cast<QLineEdit*>(chat.widgetOf(&w.tchat));
    ASSERT_TRUE(contacts && lines && input);
    EXPECT_TRUE(chat.isVisible());
    EXPECT_EQ(contacts->count(), 2);
    EXPECT_EQ(lines->toPlainText(), QStringLiteral("Hello\nThanks\n"));
    EXPECT_EQ(colourAt(lines, 0), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(lines, 1), QColor(0, 127, 0));
    EXPECT_TRUE(lines->isReadOnly());

    market.urls.clear();
    emit contacts->activated(1);  // the user chooses the second contact
    EXPECT_EQ(w.CurrentContact, "23");
    EXPECT_EQ(market.urls.back(), "http://www.default.test/plix_chkl.php?CD=15&ID_AV=23");

    input->insert(QStringLiteral("Caf\u00e9?"));
    EXPECT_EQ(st.IdleTicks, 0);
    emit input->returnPressed();  // Enter sends
    EXPECT_NE(std::find(market.urls.begin(), market.urls.end(),
                        "http://www.default.test/plix_chkl.php?CD=14&ID_AV=23&TXT=Caf%E9%3F"),
              market.urls.end());
    EXPECT_TRUE(input->text().isEmpty());
    chat.close();
    EXPECT_FALSE(w.form.Loaded);
}

TEST_F(SmallWindowsTest, TheServerWindowTakesThirtyCharactersAndKeepsARefusedNumber) {
    window.actionOf(velto.serverinfo)->trigger();
    auto& server = windows.view<VeltosrvView>();
    auto* host = qobject_cast<QLineEdit*>(server.widgetOf(&desk.veltosrv.turl));
    auto* number = qobject_cast<QLineEdit*>(server.widgetOf(&desk.veltosrv.tid));
    ASSERT_TRUE(host && number);
    EXPECT_TRUE(server.isVisible());
    EXPECT_EQ(host->maxLength(), 30);
    EXPECT_FALSE(host->font().bold());

    number->setText(QString());
    number->insert(QStringLiteral("123456789"));
    EXPECT_FALSE(server.close());  // refused: the window stays with what was typed
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(server.isVisible());
    number->setText(QString());
    number->insert(QStringLiteral("4712"));
    EXPECT_TRUE(server.close());
    EXPECT_EQ(st.SupplierNumber, 4712);
}

TEST_F(SmallWindowsTest, TheAutostartBoxSwitchesTheEntryInTheUsersLanguage) {
    desk.dirs = xdgDirsFor(folder / "home", {}, folder / "config");
    window.actionOf(velto.lng[4])->trigger();
    window.actionOf(velto.aut)->trigger();
    auto& view = windows.view<VeltoautView>();
    auto* box = qobject_cast<QCheckBox*>(view.widgetOf(&desk.veltoaut.Chkaut));
    ASSERT_TRUE(box);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("&D\u00e9marrage automatique"));
    EXPECT_LE(box->sizeHint().width(), box->width());
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(autostartEnabled(desk.dirs));
    box->click();
    EXPECT_FALSE(std::filesystem::exists(autostartEntryPath(desk.dirs)));
    EXPECT_TRUE(view.close());
    EXPECT_FALSE(desk.veltoaut.form.Loaded);
}

// Each label beside the box it names, and every caption of the panel fits
// its control, in each language.
TEST_F(SmallWindowsTest, TheSettingsPanelFitsItsTextsInEveryLanguage) {
    st.ConnectState = 0;  // no connection test reply needed
    for (int language = 1; language <= 4; ++language) {
        window.actionOf(velto.lng[language])->trigger();
        window.actionOf(velto.splix)->trigger();
        velto.cupdate.Visible = true;
        windows.redraw();
        const auto widget = [&](const Control& c) { return window.widgetOf(&c); };
        const std::pair<const Control*, const Control*> beside[] = {
            {&velto.llab[0], &velto.tsys[0]}, {&velto.llab[2], &velto.tsys[1]},
            {&velto.llab[3], &velto.tsys[2]}, {&velto.lgsm, &velto.tgsm},
            {&velto.tsys[0], &velto.llab[1]}, {&velto.llab[4], &velto.lcred}};
        for (const auto& [left, right] : beside) {
            const QRect a = widget(*left)->geometry(), b = widget(*right)->geometry();
            EXPECT_LE(a.right(), b.left()) << language;
            EXPECT_LT(std::abs(a.center().y() - b.center().y()), 4) << language;
        }
        std::vector<const Control*> texts = {&velto.llab[0], &velto.llab[1], &velto.llab[2],
                                             &velto.llab[3], &velto.llab[4], &velto.llab[6],
                                             &velto.lgsm,    &velto.chkema,  &velto.chkgsm,
                                             &velto.chksnd,  &velto.cupdate, &velto.cexit};
        for (const auto& c : velto.chkact) texts.push_back(&c);
        for (const Control* c : texts)
            EXPECT_LE(widget(*c)->sizeHint().width(), widget(*c)->width())
                << language << ": " << c->Caption;
        window.actionOf(velto.splix)->setEnabled(true);
    }
}

}  // namespace
}  // namespace plix::testing
