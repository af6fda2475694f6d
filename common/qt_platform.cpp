#include "common/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace corvane {

namespace {
QWidget* activeWindow() { return QApplication::activeWindow(); }
QString qt(const std::string& text) { return QString::fromStdString(text); }
} // namespace

void QtPrompts::error(const std::string& text) {
    QMessageBox::critical(activeWindow(), QApplication::applicationName(), qt(text));
}

void QtPrompts::warning(const std::string& text) {
    QMessageBox::warning(activeWindow(), QApplication::applicationName(), qt(text));
}

bool QtPrompts::confirm(const std::string& text) {
    return QMessageBox::question(activeWindow(), QApplication::applicationName(), qt(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void DesktopUrlOpener::open(const std::string& url) { QDesktopServices::openUrl(QUrl(qt(url))); }

} // namespace corvane
