// Message boxes show the text they are given as text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/qt_message_boxes.h"
#include "tests/support/qt_app.h"

namespace plix {
namespace {

TEST(QtMessageBoxes, TextFromTheServerIsShownAsText) {
    testing::app();
    const char* message = "Tiles <b>cheap</b> & <img src=\"/tmp/x.png\">";
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {  // a look at the box while it waits for the user
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        format = box->textFormat();
        box->button(QMessageBox::Cancel)->click();
    });
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.show(message, "PLIX", MsgIcon::None, MsgButtons::OkCancel), MsgResult::Cancel);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, QString::fromLatin1(message));
}

}  // namespace
}  // namespace plix
