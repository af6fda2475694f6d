#include "app/version_checker.h"

#include "app/version_check.h"

namespace corvane {

VersionChecker::VersionChecker(HttpClient* http, QObject* parent, std::string host)
    : QObject(parent), http_(http), host_(std::move(host)) {}

VersionChecker::~VersionChecker() {
    if (worker_.joinable()) worker_.join();
}

bool VersionChecker::start() {
    if (running()) return false;
    if (!http_) {
        QMetaObject::invokeMethod(this, [this] { emit finished(false); }, Qt::QueuedConnection);
        return true;
    }
    worker_ = std::thread([this] {
        const bool newer = Check_Version(*http_, host_);
        // Posted to the checker's own thread; the destructor joins this thread before the checker goes.
        QMetaObject::invokeMethod(this, [this, newer] { deliver(newer); }, Qt::QueuedConnection);
    });
    return true;
}

void VersionChecker::deliver(bool newer) {
    if (worker_.joinable()) worker_.join(); // the worker has finished: it posted this call last
    emit finished(newer);
}

} // namespace corvane
