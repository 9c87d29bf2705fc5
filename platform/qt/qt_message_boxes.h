#pragma once
#include "platform/message_box.h"

class QWidget;

namespace plix {

class QtMessageBoxes : public MessageBoxes {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    MsgResult ask(std::string_view text, std::string_view title, MsgIcon icon,
                  MsgButtons buttons) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace plix
