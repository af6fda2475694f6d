#include "app/version_check.h"

#include "app/app_state.h"
#include "common/text_util.h"

namespace corvane {

namespace {
constexpr const char* kVersionPath = "/home/download/GetversionSW.asp?nomesw=";
constexpr const char* kUnknownVersion = "VER. 0.000"; // the server knows no version for the code
} // namespace

int Conv_Version(std::string_view Ver_str) {
    const size_t blank = Ver_str.find(' ');
    const std::string_view t = trim(blank == std::string_view::npos ? Ver_str : Ver_str.substr(blank + 1));
    if (t.size() < 5) return -1;
    const std::string digits{t[0], t[2], t[3], t[4]}; // the dot in second place is skipped
    return parseIntOr(digits, -1);
}

HttpClient::Request versionRequest(const std::string& host) {
    HttpClient::Request request;
    request.host = host;
    request.path = std::string(kVersionPath) + kSoftwareCode;
    request.headers = {"Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
                       "User-Agent: Mozilla/3.0 (compatible; Indy Library)"};
    request.timeout = std::chrono::seconds(4); // an offline PC must not wait longer than this
    return request;
}

bool isNewerVersion(std::string_view answer, std::string_view localVersion) {
    const std::string upper = toUpperAscii(trim(answer));
    if (upper.empty() || upper == kUnknownVersion) return false;
    const int local = Conv_Version(localVersion);
    const int remote = Conv_Version(trim(answer));
    return local != -1 && remote != -1 && local < remote;
}

bool Check_Version(HttpClient& http, const std::string& host) {
    const std::optional<std::string> answer = http.get(versionRequest(host));
    return isNewerVersion(answer.value_or(std::string()), kSoftwareVersion);
}

} // namespace corvane
