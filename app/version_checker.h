#pragma once
// Runs the version check off the window's thread, so an offline PC never waits on it, and reports
// the answer on the thread that owns the checker.
#include "app/maker_web.h"
#include "common/platform.h"

#include <QObject>

#include <string>
#include <thread>

namespace corvane {

class VersionChecker : public QObject {
    Q_OBJECT
public:
    // `http` must outlive the checker; a null client makes every check answer "not newer".
    explicit VersionChecker(HttpClient* http, QObject* parent = nullptr, std::string host = kMakerHost);
    // Waits for a check still running (at most the request's time-out).
    ~VersionChecker() override;

    // Starts a check; false when one is already running (its answer will still come).
    bool start();
    bool running() const { return worker_.joinable(); }

signals:
    void finished(bool newer);

private:
    void deliver(bool newer);

    HttpClient* http_;
    std::string host_;
    std::thread worker_;
};

} // namespace corvane
