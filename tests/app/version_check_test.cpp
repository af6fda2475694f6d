#include "app/version_check.h"
#include "common/curl_http_client.h"
#include "tests/support/one_shot_http_server.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::httpReply;
using testing::OneShotHttpServer;

TEST(ConvVersion, ReadsTheDigitsAroundTheDot) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"1.300", 1300},     {"VER. 1.301", 1301}, {"ver. 0.000", 0},   {"  1.300  ", 1300},
        {"VER.   2.000 ", 2000}, {"A B 1.300", -1}, {"1.30", -1},      {"", -1},
        {"VER.", -1},        {"10.300", -1},       {"1.3a0", -1},       {"<html><body>", -1},
        {"1,300", 1300},
    };
    for (const auto& c : cases) EXPECT_EQ(Conv_Version(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IsNewerVersion, ComparesTheServersAnswerWithOurs) {
    const struct {
        const char* answer;
        bool newer;
    } cases[] = {
        {"VER. 1.301", true},  {" VER. 1.400\r\n", true}, {"VER. 1.300", false}, {"VER. 1.299", false},
        {"VER. 0.000", false}, {"ver. 0.000", false},     {"", false},           {"   ", false},
        {"VER. 12.000", false}, {"<html><head><title>404 Not Found</title></head></html>", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isNewerVersion(c.answer, "1.300"), c.newer) << '"' << c.answer << '"';
}

TEST(VersionRequest, AsksForThisSoftwaresCode) {
    const HttpClient::Request request = versionRequest("example.test");
    EXPECT_EQ(request.host, "example.test");
    EXPECT_EQ(request.path, "/home/download/GetversionSW.asp?nomesw=QS51207");
    EXPECT_LE(request.timeout.count(), 5000);
}

// The whole check over a real connection to a local server.
TEST(CheckVersion, AnswersOfTheServer) {
    const struct {
        const char* name;
        std::string reply;
        bool newer;
    } cases[] = {
        {"newer", httpReply("200 OK", "VER. 1.301"), true},
        {"same", httpReply("200 OK", "VER. 1.300"), false},
        {"unknown", httpReply("200 OK", "VER. 0.000"), false},
        {"unknown lower case", httpReply("200 OK", "ver. 0.000"), false},
        {"html page", httpReply("200 OK", "<html><body><h1>Welcome</h1></body></html>"), false},
        {"error page", httpReply("404 Not Found", "<html><body>VER. 9.999</body></html>"), false},
        {"server error with a version", httpReply("500 Internal Server Error", "VER. 1.301"), false},
        {"empty body", httpReply("200 OK", ""), false},
        {"not http", "garbage\r\n\r\n", false},
    };
    CurlHttpClient http;
    for (const auto& c : cases) {
        OneShotHttpServer server(c.reply);
        EXPECT_EQ(Check_Version(http, server.host()), c.newer) << c.name;
    }
}

TEST(CheckVersion, NoServerMeansNoNewerVersion) {
    CurlHttpClient http;
    EXPECT_FALSE(Check_Version(http, OneShotHttpServer::closedHost()));
}

TEST(CurlHttpClient, GivesUpOnASilentServerAfterItsTimeOut) {
    OneShotHttpServer::Silent server;
    HttpClient::Request request = versionRequest(server.host());
    request.timeout = std::chrono::milliseconds(200);
    EXPECT_FALSE(CurlHttpClient().get(request).has_value());
}

TEST(CheckVersion, SendsAnHttp10GetWithTheBrowserHeaders) {
    OneShotHttpServer server(httpReply("200 OK", "VER. 1.301"));
    CurlHttpClient http;
    ASSERT_TRUE(Check_Version(http, server.host()));
    const std::string& request = server.receivedRequest();
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /home/download/GetversionSW.asp?nomesw=QS51207 HTTP/1.0");
    EXPECT_NE(request.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
    EXPECT_EQ(request.find("Cookie"), std::string::npos);
    EXPECT_EQ(request.find("\r\nAccept:"), request.rfind("\r\nAccept:")) << "one Accept header only";
    EXPECT_EQ(request.find("\r\nUser-Agent:"), request.rfind("\r\nUser-Agent:")) << "one User-Agent header only";
}

TEST(MakerWeb, LinksOnTheMakersHost) {
    EXPECT_EQ(downloadPageUrl("h.test"), "http://h.test/Home/download/download.asp#QD51207");
    EXPECT_EQ(homePageUrl("h.test"), "http://h.test/HOME/default.asp?frompg=QS51207");
}

} // namespace
} // namespace corvane
