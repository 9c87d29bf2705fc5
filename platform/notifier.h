#pragma once
#include <functional>
#include <string>

namespace plix {

// Desktop notifications (the pop-ups of the desktop's notification service).
// Texts are Windows-1252.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows a notification; a newer one replaces the one still on screen.
    virtual void notify(const std::string& title, const std::string& text) = 0;

    // The handler for a click on a notification.
    void onClick(std::function<void()> handler) { handler_ = std::move(handler); }

protected:
    void clicked() {
        if (handler_) handler_();
    }

private:
    std::function<void()> handler_;
};

}  // namespace plix
