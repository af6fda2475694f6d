#pragma once
// Asks the maker's web server which software version is published and compares it with ours.
#include "app/maker_web.h"
#include "common/platform.h"

#include <string>
#include <string_view>

namespace corvane {

// A version text ("1.300", or "VER. 1.301": the part after the first blank) as the number 1300;
// -1 when it is not a version. Only one digit may stand before the dot.
int Conv_Version(std::string_view Ver_str);

// The HTTP/1.0 GET that asks `host` (a name, optionally ":port") for the published version.
HttpClient::Request versionRequest(const std::string& host = kMakerHost);

// True when the server's answer names a version newer than `localVersion`.
bool isNewerVersion(std::string_view answer, std::string_view localVersion);

// Asks the server; any failure (no network, time-out, error status) counts as "no newer version".
bool Check_Version(HttpClient& http, const std::string& host = kMakerHost);

} // namespace corvane
