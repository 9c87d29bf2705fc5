#pragma once
// Modal message boxes. Texts are Windows-1252.
#include <string_view>

namespace plix {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(std::string_view text, std::string_view title, MsgIcon icon,
                           MsgButtons buttons) = 0;
};

}  // namespace plix
