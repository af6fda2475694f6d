#pragma once
// The maker's web server: the version check, the download page and the home page all live there.
#include <string>

namespace corvane {

// The one host name of the maker's web server.
inline constexpr const char* kMakerHost = "www.telvornet.com";

// The page that lists the published downloads, opened on this product's entry.
inline std::string downloadPageUrl(const std::string& host = kMakerHost) {
    return "http://" + host + "/Home/download/download.asp#QD51207";
}

// The maker's home page, told which software sent the visitor.
inline std::string homePageUrl(const std::string& host = kMakerHost) {
    return "http://" + host + "/HOME/default.asp?frompg=QS51207";
}

} // namespace corvane
