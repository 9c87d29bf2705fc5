// Message boxes: plain text, and Qt's standard buttons in the interface language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_translations.h"
#include "tests/support/qt_app.h"

namespace plix {
namespace {

// Shows a box and looks at it while it waits for the user, then closes it.
struct OpenBox {
    QString text, ok, cancel;
    Qt::TextFormat format = Qt::AutoText;

    void show(std::string_view message) {
        testing::app();
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            format = box->textFormat();
            ok = box->button(QMessageBox::Ok)->text();
            cancel = box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QtMessageBoxes boxes;
        EXPECT_EQ(boxes.show(message, "PLIX", MsgIcon::None, MsgButtons::OkCancel),
                  MsgResult::Cancel);
    }
};

TEST(QtMessageBoxes, TextFromTheServerIsShownAsText) {
    OpenBox box;
    box.show("Tiles <b>cheap</b> & <img src=\"/tmp/x.png\">");
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.text, QStringLiteral("Tiles <b>cheap</b> & <img src=\"/tmp/x.png\">"));
}

TEST(QtTranslations, StandardButtonsSpeakTheInterfaceLanguage) {
    QtTranslations qt;
    OpenBox english;
    english.show("?");
    EXPECT_EQ(english.cancel, QStringLiteral("Cancel"));

    ASSERT_TRUE(qt.use("nl")) << "Qt's Dutch translation (qt6-translations-l10n) is missing";
    OpenBox dutch;
    dutch.show("?");
    EXPECT_EQ(dutch.cancel, QStringLiteral("Annuleren"));

    ASSERT_TRUE(qt.use("fr"));
    OpenBox french;
    french.show("?");
    EXPECT_EQ(french.cancel, QStringLiteral("Annuler"));

    EXPECT_FALSE(qt.use("en"));  // back to Qt's own English
    OpenBox again;
    again.show("?");
    EXPECT_EQ(again.cancel, QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace plix
