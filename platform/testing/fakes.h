#pragma once
// Doubles for the platform interfaces: they record what the logic asked for.
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"
#include "platform/testing/sim_scheduler.h"

namespace plix {

struct ShownMessage {
    std::string text, title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;   // consumed in order; Ok/Yes when empty
    // Runs once while the next box is open, as the program's modal box lets
    // the timers run meanwhile.
    std::function<void()> whileOpen;
    MsgResult ask(std::string_view text, std::string_view title, MsgIcon icon,
                  MsgButtons buttons) override {
        shown.push_back({std::string(text), std::string(title), icon, buttons});
        if (auto run = std::exchange(whileOpen, nullptr)) run();
        if (!answers.empty()) {
            MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
};

class FakeSingleInstance : public SingleInstance {
public:
    bool othersRunning = false;
    bool acquire() override { return !othersRunning; }
};

class FakeTray : public TrayIcon {
public:
    bool available = true;
    bool present = false;
    int installs = 0, removals = 0, restores = 0;
    std::string tip, showEntry;
    bool install() override {
        ++installs;
        present = available;
        return available;
    }
    void remove() override {
        ++removals;
        present = false;
    }
    bool installed() const override { return present; }
    void setTexts(const std::string& t, const std::string& s) override {
        tip = t;
        showEntry = s;
    }
    void restoreWindow() override { ++restores; }
    void click(TrayClick c) { clicked(c); }
};

class FakeSound : public SoundPlayer {
public:
    std::vector<std::string> played;
    int stops = 0;
    void play(const std::string& wavPath) override { played.push_back(wavPath); }
    void stop() override { ++stops; }
};

struct ShownNotification {
    std::string title, text;
};

class FakeNotifier : public Notifier {
public:
    std::vector<ShownNotification> shown;
    void notify(const std::string& title, const std::string& text) override {
        shown.push_back({title, text});
    }
    void click() { clicked(); }
};

class FakeUrlOpener : public UrlOpener {
public:
    std::vector<std::string> opened;
    bool works = true;   // false: the desktop has nothing that takes the address
    bool open(const std::string& url) override {
        opened.push_back(url);
        return works;
    }
};

class FakeHttp : public HttpClient {
public:
    std::vector<HttpRequest> requests;
    std::deque<HttpResult> replies;  // consumed in order; a failed fetch when empty
    HttpResult get(const HttpRequest& request) override {
        requests.push_back(request);
        if (replies.empty()) return {};
        HttpResult r = replies.front();
        replies.pop_front();
        return r;
    }
};

class FakeEventPump : public EventPump {
public:
    int runs = 0, draws = 0;
    std::function<void()> onRun;    // a nested handler the test wants to run inside a fetch
    std::function<void()> onDraw;   // a look at the state the screen would show
    void drawNow() override {
        ++draws;
        if (onDraw) onDraw();
    }
    void processPendingEvents() override {
        ++draws;
        ++runs;
        if (onRun) onRun();
    }
};

struct PrintedText {
    std::string text, title;
    bool pdf = false;
};

class FakePrinter : public Printer {
public:
    std::vector<PrintedText> printed;
    PrintResult answer = PrintResult::Done;   // what every request ends with
    std::string pdfPath = "/tmp/offers.pdf";
    PrintResult print(std::string_view text, std::string_view title) override {
        if (answer == PrintResult::Done) printed.push_back({std::string(text), std::string(title)});
        return answer;
    }
    PrintResult savePdf(std::string_view text, std::string_view title, std::string& savedTo) override {
        if (answer != PrintResult::Done) return answer;
        printed.push_back({std::string(text), std::string(title), true});
        savedTo = pdfPath;
        return answer;
    }
};

// All doubles together, wired into a Services bundle.
struct FakeServices {
    SimScheduler scheduler;
    FakeMessageBoxes messages;
    FakeSingleInstance instance;
    FakeTray tray;
    FakeSound sound;
    FakeHttp http;
    FakeUrlOpener urls;
    FakeEventPump events;
    FakeNotifier notifier;
    FakePrinter printer;
    Services bundle() {
        return Services{&scheduler, &messages, &instance, &tray,    &sound,
                        &http,      &urls,     &events,   &notifier, nullptr, &printer};
    }
};

}  // namespace plix
