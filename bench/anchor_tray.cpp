// The client benchmark's anchor: the least a Qt 6 tray program that polls
// the same server can cost. A main window with ten labels, a tray icon, and
// every 10 seconds a libcurl GET of the change poll, made the plain way (on
// the window's thread, a new handle each time); the first label shows the
// reply's length and the time of the poll.
// Usage: plix-anchor-tray URL
#include <curl/curl.h>

#include <cstdio>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

namespace {

size_t collect(char* data, size_t size, size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

std::string get(const std::string& url) {
    std::string body;
    CURL* curl = curl_easy_init();
    if (!curl) return body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 8000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    if (curl_easy_perform(curl) != CURLE_OK) body.clear();
    curl_easy_cleanup(curl);
    return body;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: plix-anchor-tray URL\n", stderr);
        return 2;
    }
    curl_global_init(CURL_GLOBAL_DEFAULT);
    const std::string url = argv[1];

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("anchor"));
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    QLabel* labels[10];
    for (int i = 0; i < 10; ++i) {
        labels[i] = new QLabel(QStringLiteral("Label %1").arg(i + 1), body);
        column->addWidget(labels[i]);
    }
    window.setCentralWidget(body);
    // Beside plixdesk's window, which stands at the display's top left.
    window.setGeometry(420, 0, 387, 400);
    window.show();

    QSystemTrayIcon tray(app.style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.show();

    QTimer poll;
    poll.setInterval(10000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const std::string reply = get(url);
        labels[0]->setText(QStringLiteral("%1 bytes at %2")
                               .arg(reply.size())
                               .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
    });
    poll.start();
    const int code = QApplication::exec();
    curl_global_cleanup();
    return code;
}
