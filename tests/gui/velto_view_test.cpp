#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

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
    EXPECT_EQ(velto.tsys[2].Text, "Caf\xE9 \x80" "5");
}

TEST_F(VeltoWindowTest, CloseBoxHidesAndTheProgramKeepsRunning) {
    load();
    fakes.tray.present = true;
    EXPECT_FALSE(window.close());  // the close is refused
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(st.ProgramEnded);
}

}  // namespace
