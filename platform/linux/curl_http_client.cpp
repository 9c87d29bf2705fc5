#include "platform/linux/curl_http_client.h"

#include <curl/curl.h>

#include <mutex>

namespace plix {

namespace {

// Bytes arrive in blocks of the buffer size below; the body is kept raw.
size_t collect(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// A proxy named without a port is reached on the HTTP port, as the desktop's
// Internet settings do (libcurl would otherwise try 1080).
constexpr long kDefaultProxyPort = 80;
constexpr long kReadBlock = 1024;

}  // namespace

CurlHttpClient::CurlHttpClient(std::string agent) : agent_(std::move(agent)) {
    initialiseOnce();
    curl_ = curl_easy_init();
}

CurlHttpClient::~CurlHttpClient() {
    if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
}

long CurlHttpClient::connectionsOpened() const {
    std::lock_guard<std::mutex> hold(lock_);
    return connections_;
}

HttpResult CurlHttpClient::get(const HttpRequest& request) {
    std::lock_guard<std::mutex> hold(lock_);
    HttpResult result;
    CURL* curl = static_cast<CURL*>(curl_);
    if (!curl) {
        result.error = "libcurl could not start";
        return result;
    }
    // Every option is set afresh; the handle keeps its live connection.
    curl_easy_reset(curl);
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");

    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, agent_.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kReadBlock);
    curl_easy_setopt(curl, CURLOPT_MAXCONNECTS, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, request.totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.body);
    if (request.useProxy) {
        curl_easy_setopt(curl, CURLOPT_PROXY, request.proxy.c_str());
        curl_easy_setopt(curl, CURLOPT_PROXYPORT, kDefaultProxyPort);
        curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
    } else {
        // Direct means direct: an http_proxy in the environment is not used.
        curl_easy_setopt(curl, CURLOPT_PROXY, "");
    }

    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK) {
        result.ok = true;
    } else {
        result.body.clear();
        result.error = curl_easy_strerror(code);
    }
    long opened = 0;
    if (curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &opened) == CURLE_OK) connections_ += opened;
    curl_slist_free_all(headers);
    return result;
}

}  // namespace plix
