// The version check runs off the window's thread: the window never waits for the server.
#include "app/version_checker.h"

#include <QSignalSpy>
#include <QtTest>

#include <future>
#include <memory>

using namespace corvane;

namespace {

// Holds every request until the test lets the server answer.
class HeldHttpClient : public HttpClient {
public:
    std::promise<std::string> answer;
    std::promise<std::string> requestedPath;
    std::optional<std::string> get(const Request& request) override {
        requestedPath.set_value(request.host + request.path);
        return answer.get_future().get();
    }
};

} // namespace

class VersionCheckerTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutWaitingAndReportsLater() {
        HeldHttpClient http;
        VersionChecker checker(&http, nullptr, "server.test");
        QSignalSpy finished(&checker, &VersionChecker::finished);
        QVERIFY(checker.start()); // returns while the server has not answered
        QCOMPARE(http.requestedPath.get_future().get(), std::string("server.test/home/download/GetversionSW.asp?nomesw=QS51207"));
        QVERIFY(checker.running());
        QVERIFY(!checker.start()); // one check at a time
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 0);

        http.answer.set_value("VER. 1.301");
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(!checker.running());
    }

    void aCheckerGoneBeforeTheAnswerArrivesIsQuiet() {
        HeldHttpClient http;
        auto checker = std::make_unique<VersionChecker>(&http);
        QVERIFY(checker->start());
        http.requestedPath.get_future().wait();
        http.answer.set_value("VER. 1.301");
        checker.reset(); // waits for the request; its posted answer is dropped with the checker
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(VersionCheckerTest)
#include "version_checker_test.moc"
