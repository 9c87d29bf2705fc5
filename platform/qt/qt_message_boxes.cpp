#include "platform/qt/qt_message_boxes.h"

#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace plix {

MsgResult QtMessageBoxes::ask(std::string_view text, std::string_view title, MsgIcon icon,
                              MsgButtons buttons) {
    QMessageBox box(parent_);
    box.setTextFormat(Qt::PlainText);   // a server's message is text, never markup
    box.setText(toQt(text));
    box.setWindowTitle(toQt(title));
    switch (icon) {
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::None: break;
    }
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return MsgResult::Cancel;
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        default: return MsgResult::Ok;
    }
}

}  // namespace plix
