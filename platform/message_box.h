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
    // Shows a box and waits for the user. Timers keep running meanwhile, so
    // the logic asks openBoxes() before a step that must not run under a box.
    MsgResult show(std::string_view text, std::string_view title, MsgIcon icon, MsgButtons buttons) {
        struct Open {
            int& count;
            explicit Open(int& c) : count(c) { ++count; }
            ~Open() { --count; }
        } open(open_);
        return ask(text, title, icon, buttons);
    }
    // How many boxes are on screen now (nested ones count each).
    int openBoxes() const { return open_; }

protected:
    virtual MsgResult ask(std::string_view text, std::string_view title, MsgIcon icon,
                          MsgButtons buttons) = 0;

private:
    int open_ = 0;
};

// Whether a box of these is waiting for the user; no boxes at all means none.
inline bool anyBoxOpen(const MessageBoxes* boxes) { return boxes && boxes->openBoxes() > 0; }

}  // namespace plix
