#include "common/curl_http_client.h"

// Only the types and constants come from the header: libcurl itself (and the two dozen libraries
// it pulls in: TLS, Kerberos, LDAP...) is loaded on the first request, so that a start that never
// checks for a new version does not pay for loading and relocating them.
#include <curl/curl.h>

#include <memory>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

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

// The libcurl functions the client calls, resolved from the loaded library.
struct CurlApi {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;

    bool complete() const {
        return globalInit && easyInit && easySetopt && easyPerform && easyCleanup && slistAppend &&
               slistFreeAll;
    }
};

#ifdef _WIN32
using LibraryHandle = HMODULE;
LibraryHandle openLibcurl() {
    for (const wchar_t* name : {L"libcurl.dll", L"libcurl-x64.dll", L"libcurl-4.dll"})
        if (HMODULE library = LoadLibraryW(name)) return library;
    return nullptr;
}
void* symbol(LibraryHandle library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
#else
using LibraryHandle = void*;
LibraryHandle openLibcurl() {
#ifdef __APPLE__
    const char* names[] = {"libcurl.4.dylib", "libcurl.dylib"};
#else
    const char* names[] = {"libcurl.so.4", "libcurl.so"};
#endif
    for (const char* name : names)
        if (void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return library;
    return nullptr;
}
void* symbol(LibraryHandle library, const char* name) {
    return dlsym(library, name);
}
#endif

template <class Function> void resolve(LibraryHandle library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(symbol(library, name));
}

// Loads libcurl and initialises it, once for the whole program; null when it cannot be loaded, and
// then every request fails. The library stays loaded until the program ends.
const CurlApi* curlApi() {
    static const CurlApi* api = []() -> const CurlApi* {
        LibraryHandle library = openLibcurl();
        if (!library) return nullptr;
        static CurlApi loaded;
        resolve(library, loaded.globalInit, "curl_global_init");
        resolve(library, loaded.easyInit, "curl_easy_init");
        resolve(library, loaded.easySetopt, "curl_easy_setopt");
        resolve(library, loaded.easyPerform, "curl_easy_perform");
        resolve(library, loaded.easyCleanup, "curl_easy_cleanup");
        resolve(library, loaded.slistAppend, "curl_slist_append");
        resolve(library, loaded.slistFreeAll, "curl_slist_free_all");
        if (!loaded.complete()) return nullptr;
        loaded.globalInit(CURL_GLOBAL_DEFAULT);
        return &loaded;
    }();
    return api;
}

} // namespace

std::optional<std::string> CurlHttpClient::get(const Request& request) {
    const CurlApi* api = curlApi();
    if (!api) return std::nullopt;
    auto cleanup = [api](CURL* handle) { api->easyCleanup(handle); };
    std::unique_ptr<CURL, decltype(cleanup)> curl(api->easyInit(), cleanup);
    if (!curl) return std::nullopt;

    auto freeAll = [api](curl_slist* list) { api->slistFreeAll(list); };
    std::unique_ptr<curl_slist, decltype(freeAll)> headers(nullptr, freeAll);
    for (const std::string& header : request.headers) {
        curl_slist* grown = api->slistAppend(headers.get(), header.c_str());
        if (!grown) return std::nullopt;
        headers.release();
        headers.reset(grown);
    }

    const std::string url = "http://" + request.host + request.path;
    const long timeoutMs = static_cast<long>(request.timeout.count());
    Answer answer;
    CURL* handle = curl.get();
    const auto setopt = api->easySetopt;
    setopt(handle, CURLOPT_URL, url.c_str());
    setopt(handle, CURLOPT_PROTOCOLS_STR, "http");
    setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    setopt(handle, CURLOPT_FAILONERROR, 1L); // an error status is a failure
    setopt(handle, CURLOPT_NOSIGNAL, 1L);    // called off the window's thread
    setopt(handle, CURLOPT_TIMEOUT_MS, timeoutMs);
    setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    setopt(handle, CURLOPT_WRITEFUNCTION, appendBody);
    setopt(handle, CURLOPT_WRITEDATA, &answer);

    if (api->easyPerform(handle) != CURLE_OK || answer.tooLong) return std::nullopt;
    return answer.body;
}

} // namespace corvane
