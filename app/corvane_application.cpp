#include "app/corvane_application.h"

#include <exception>

namespace corvane {

CorvaneApplication::CorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Corvane");
}

bool CorvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (prompts_) prompts_->error(error.what());
    } catch (...) {
        if (prompts_) prompts_->error("Unexpected error");
    }
    return false;
}

} // namespace corvane
