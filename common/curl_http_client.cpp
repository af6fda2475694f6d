#include "common/curl_http_client.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace corvane {

namespace {

constexpr size_t kMaxAnswerBytes = 1 << 20; // a version answer is a few bytes; refuse floods

struct Answer {
    std::string body;
    bool tooLong = false;
};

size_t appendBody(char* data, size_t size, size_t count, void* userData) {
    auto* answer = static_cast<Answer*>(userData);
    const size_t bytes = size * count;
    if (answer->body.size() + bytes > kMaxAnswerBytes) {
        answer->tooLong = true;
        return 0; // stops the transfer
    }
    answer->body.append(data, bytes);
    return bytes;
}

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

std::optional<std::string> CurlHttpClient::get(const Request& request) {
    initialiseCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) return std::nullopt;

    std::unique_ptr<curl_slist, HeaderListDeleter> headers;
    for (const std::string& header : request.headers) {
        curl_slist* grown = curl_slist_append(headers.get(), header.c_str());
        if (!grown) return std::nullopt;
        headers.release();
        headers.reset(grown);
    }

    const std::string url = "http://" + request.host + request.path;
    const long timeoutMs = static_cast<long>(request.timeout.count());
    Answer answer;
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L); // an error status is a failure
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);    // called off the window's thread
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &answer);

    if (curl_easy_perform(handle) != CURLE_OK || answer.tooLong) return std::nullopt;
    return answer.body;
}

} // namespace corvane
