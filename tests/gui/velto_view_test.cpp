#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "tests/support/gui_fixture.h"

using namespace plix;

namespace {

class VeltoWindowTest : public plix::testing::GuiFixture {
protected:
    void SetUp() override { useShippedLanguages(); }
    QStringList menuBarTitles(VeltoView& w) {
        QStringList titles;
        for (QAction* a : w.menuBar()->actions())
            if (a->isVisible()) titles << a->text();
        return titles;
    }
};

TEST_F(VeltoWindowTest, OpensAtItsDesignSizeWithTheStoredLanguage) {
    // Position 39 holds 2: the window comes up in Dutch.
    plix::testing::RecordBuilder record;
    record.at(39, "\x02");
    folder.write("pxini.dat", record.record);

    load();

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(window.twips().px(5800), window.twips().px(6000)));
    EXPECT_EQ(menuBarTitles(window).first(), QStringLiteral("&Verbinding"));
    EXPECT_TRUE(window.windowTitle().endsWith(QString("  ") + buildVersion()));
    // The tray's pop-up menu never shows in the menu bar.
    for (QAction* a : window.menuBar()->actions()) EXPECT_NE(a, window.trayMenu()->menuAction());
    // Request rows are hidden.
    EXPECT_FALSE(window.widgetOf(&velto.lvraag[0])->isVisible());

    // The user's own minimising sticks through the next redraw.
    window.showMinimized();
    windows.redraw();
    EXPECT_TRUE(window.isMinimized());
    EXPECT_EQ(velto.form.State, WindowState::Minimized);
}

TEST_F(VeltoWindowTest, LanguageMenuRelabelsTheWindow) {
    load();
    EXPECT_EQ(menuBarTitles(window).first(), QStringLiteral("&Connection"));

    window.actionOf(velto.lng[3])->trigger();
    EXPECT_EQ(menuBarTitles(window).first(), QStringLiteral("&Verbindung"));
    EXPECT_TRUE(window.actionOf(velto.lng[3])->isChecked());
    EXPECT_FALSE(window.actionOf(velto.lng[1])->isChecked());

    window.actionOf(velto.lng[4])->trigger();
    EXPECT_EQ(window.actionOf(velto.lng[4])->text(), QString::fromUtf8("&Français"));
}

TEST_F(VeltoWindowTest, TextTypedInABoxReachesTheStructAsWindows1252) {
    load();
    auto* box = qobject_cast<QLineEdit*>(window.widgetOf(&velto.tsys[2]));
    ASSERT_NE(box, nullptr);
    box->setText(QString());
    box->insert(QString::fromUtf8("Caf\u00e9 \u20ac5"));  // insert() emits textEdited like typing
    EXPECT_EQ(velto.tsys[2].Text,
              "Caf\xE9 \x80"
              "5");
}

TEST_F(VeltoWindowTest, CloseBoxHidesAndTheProgramKeepsRunning) {
    load();
    fakes.tray.present = true;
    EXPECT_FALSE(window.close());  // the close is refused
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(st.ProgramEnded);
}

// Text from outside is drawn as text: a request title with markup shows its
// characters, and one naming a local image does not make the window read it.
TEST_F(VeltoWindowTest, OutsideTextIsShownAsText) {
    load();
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString((folder / "red.png").string())));
    velto.fr_vraag.Visible = true;
    for (int i : {0, 1, 2}) velto.lvraag[i].Visible = true;
    velto.lvraag[0].Caption = "Tiles <b>cheap</b> ";
    velto.lvraag[1].Caption = "<img src=\"" + (folder / "red.png").string() + "\">";
    velto.lvraag[2].Caption = "Tiles & grout";
    windows.redraw();

    auto* row = qobject_cast<QLabel*>(window.widgetOf(&velto.lvraag[0]));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(), QStringLiteral("Tiles <b>cheap</b> "));
    const QImage drawn = window.widgetOf(&velto.lvraag[1])->grab().toImage();
    int redPixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            redPixels += drawn.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_EQ(redPixels, 0);
    EXPECT_EQ(qobject_cast<QLabel*>(window.widgetOf(&velto.lvraag[2]))->text(),
              QStringLiteral("Tiles & grout"));
    for (QLabel* label : window.findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText);

    // A title cut at the row's width shows in full as the row's tooltip.
    EXPECT_TRUE(row->toolTip().isEmpty());
    velto.lvraag[0].Caption = "Need 40 m2 of solid oak flooring, laid and oiled, before May ";
    windows.redraw();
    EXPECT_EQ(row->toolTip().toStdString(), velto.lvraag[0].Caption);
}

// A label's "&" marks its access key and is never shown: the label with a
// box to go to keeps it for Qt to underline, the others leave it out.
TEST_F(VeltoWindowTest, NoLabelShowsItsAccessKeyMarker) {
    plix::testing::RecordBuilder record;
    record.at(39, "\x02");
    folder.write("pxini.dat", record.record);
    load();
    velto.frsystem.Visible = true;
    velto.llab[5].Caption = "Te contr&oleren";  // a caption with a marker and no box of its own
    windows.redraw();

    auto* refresh = qobject_cast<QLabel*>(window.widgetOf(&velto.llab[0]));
    ASSERT_NE(refresh, nullptr);
    EXPECT_EQ(refresh->text(), QStringLiteral("Ve&rversen (interval)"));
    EXPECT_EQ(refresh->buddy(), window.widgetOf(&velto.tsys[0]));
    EXPECT_EQ(qobject_cast<QLabel*>(window.widgetOf(&velto.llab[5]))->text(),
              QStringLiteral("Te controleren"));
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->buddy())
            EXPECT_FALSE(label->text().contains(u'&')) << label->text().toStdString();
    EXPECT_EQ(withoutMnemonic("A&&B &x&"), "A&B x");
}

// Qt's own texts follow the interface language, also when the menu switches it.
TEST_F(VeltoWindowTest, StandardButtonsSpeakTheInterfaceLanguage) {
    const auto cancel = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    plix::testing::RecordBuilder record;
    record.at(39, "\x02");
    folder.write("pxini.dat", record.record);
    load();
    EXPECT_EQ(cancel(), QStringLiteral("Annuleren"));
    window.actionOf(velto.lng[4])->trigger();
    EXPECT_EQ(cancel(), QStringLiteral("Annuler"));
    window.actionOf(velto.lng[1])->trigger();
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

}  // namespace
