#pragma once
// The HTTP client of the running program, on libcurl: HTTP/1.0, no cookies, no redirects.
#include "common/platform.h"

namespace corvane {

class CurlHttpClient : public HttpClient {
public:
    // Safe to call from any thread; every call uses its own connection.
    std::optional<std::string> get(const Request& request) override;
};

} // namespace corvane
