// The reactions, offer and print windows as the user meets them: a row click
// opens the conversation, typing in it goes to the reaction box, the offer
// form's confirm button follows what is filled in, and the overview prints
// to a PDF file that holds the tidied text.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include "desk/gui/veltooff_view.h"
#include "desk/gui/veltorsp_view.h"
#include "desk/gui/veltovo_view.h"
#include "desk/inbox/inbox.h"
#include "desk/velto/commands.h"
#include "platform/qt/qt_printer.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/market_double.h"
#include "tests/support/trade_fixture.h"

namespace plix {
namespace {

using testing::conversationReply;
using testing::record;

class TradeViews : public testing::GuiFixture {
protected:
    testing::MarketDouble market;

    void SetUp() override {
        load();
        st.StartupStep = 0;  // the start-up sequence is not under test here
        desk.os.http = &market;
        st.ServerHost = "srv.test";
        st.SupplierNumber = 4711;
        st.OnlineFlag = 1;
        st.FirstFetchDone = 1;
        st.MaxShown = 256;
        attachWindowTimers(desk, fakes.scheduler);
        market.answer("chkl02", testing::listReply({record(101), record(102, "onb")}));
        market.answer("chkl04", conversationReply("101", {"We lay oak.", "beantwoord op 13-06",
                                                          "Fine <b>&</b>"}));
        market.answer("chkl10", "No offer yet<br>QEND0");
        getvraag(desk);
        windows.redraw();
    }
    // Lets the windows' timers run for ms and draws, as the program does.
    void wait(int ms) {
        fakes.scheduler.advance(ms);
        windows.redraw();
    }
    void click(QWidget* w) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2),
                            w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
    // The user picks an entry: Qt reports it as activated.
    static void choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    template <class W>
    W* widget(WindowView& view, const void* control) {
        return qobject_cast<W*>(view.widgetOf(control));
    }
};

TEST_F(TradeViews, ARowClickShowsTheConversationAndTypingGoesToTheReactionBox) {
    click(window.widgetOf(&velto.lvraag[0]));
    wait(500);
    auto& rsp = windows.view<VeltorspView>();
    ASSERT_TRUE(rsp.isVisible());
    auto* list = widget<QTextEdit>(rsp, &desk.veltorsp.list1);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isReadOnly());
    const QString shown = list->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral(" Fine <b>&</b>\n")));  // text, not markup
    // The heading: green, bold, in a fixed-pitch font.
    QTextCursor at(list->document());
    at.setPosition(static_cast<int>(shown.indexOf(QStringLiteral("beantwoord op"))) + 1);
    const QTextCharFormat heading = at.charFormat();
    EXPECT_EQ(heading.foreground().color(), QColor(0, 127, 15));
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_TRUE(heading.fontFixedPitch());

    rsp.activateWindow();
    list->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(list, &key);
    EXPECT_EQ(desk.veltorsp.form.Focus, nullptr);  // taken by the draw
    EXPECT_EQ(rsp.focusWidget(), rsp.widgetOf(&desk.veltorsp.treact));
    EXPECT_EQ(list->toPlainText(), shown);
    EXPECT_EQ(desk.veltorsp.treact.Text, "");  // the key itself is not kept

    // A new request keeps the offer form's button hidden.
    click(window.widgetOf(&velto.ltime[1]));
    wait(500);
    EXPECT_FALSE(widget<QPushButton>(rsp, &desk.veltorsp.cbestel)->isVisible());
}

TEST_F(TradeViews, TheOfferFormCanBeConfirmedOnlyWhenComplete) {
    click(window.widgetOf(&velto.lnr[0]));
    wait(500);
    auto& rsp = windows.view<VeltorspView>();
    widget<QPushButton>(rsp, &desk.veltorsp.cbestel)->click();
    wait(500);
    auto& off = windows.view<VeltooffView>();
    ASSERT_TRUE(off.isVisible());
    auto* confirm = widget<QPushButton>(off, &desk.veltooff.cconfirm);
    EXPECT_FALSE(confirm->isEnabled());

    widget<QLineEdit>(off, &desk.veltooff.tsub)->insert(QStringLiteral("Oak floor"));
    widget<QLineEdit>(off, &desk.veltooff.tbedrag)->insert(QStringLiteral("1450"));
    for (int i = 0; i < 3; ++i) {
        auto* list = widget<QComboBox>(off, &desk.veltooff.coff[i]);
        EXPECT_EQ(list->itemText(0), QStringLiteral("select"));
        choose(list, 2);
    }
    wait(500);
    EXPECT_TRUE(confirm->isEnabled());
    auto* delivery = widget<QComboBox>(off, &desk.veltooff.coff[1]);
    choose(delivery, delivery->count() - 1);  // the empty line that ends the list
    wait(500);
    EXPECT_FALSE(confirm->isEnabled());
}

TEST_F(TradeViews, TheOverviewIsSavedAsAPdfWithItsTidiedText) {
    auto& t = st.LanguageTable;
    t[150] = "Description";
    t[58] = t[40] = "Name";
    market.answer("chkl12",
                  "[Zinc gutter][1450][Exc ][cash][7][pick up][J. Jansen][Main street 1]"
                  "[Utrecht][1000 AA][jj@example.org][030-1234567][06-12345678]<br>QEND1");
    velto.offertes.Enabled = true;
    windows.redraw();
    window.actionOf(velto.offertes)->trigger();
    auto& vo = windows.view<VeltovoView>();
    ASSERT_TRUE(vo.isVisible());
    EXPECT_TRUE(widget<QTextEdit>(vo, &desk.veltovo.loff)->toPlainText().contains("Excl"));

    QtPrinter printer;
    const QString pdf = QDir(QString::fromStdString(folder.path().string())).filePath("offers.pdf");
    printer.chooseWith([pdf] { return pdf; });
    desk.os.printer = &printer;
    widget<QPushButton>(vo, &desk.veltovo.cpdf)->click();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) did not run";
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("DESCRIPTION : Zinc gutter")));
    EXPECT_TRUE(printed.contains(QString::fromUtf8("€ 1450")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Excl ,")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Name : J. Jansen")));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace plix
