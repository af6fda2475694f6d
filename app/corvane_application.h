#pragma once
// The configurator's application object: an exception that a window handler leaves unhandled is
// shown in a message box and the run continues.
#include "common/platform.h"

#include <QApplication>

namespace corvane {

class CorvaneApplication : public QApplication {
public:
    CorvaneApplication(int& argc, char** argv);
    // Where unhandled exceptions are shown; set once the prompts exist.
    void setPrompts(Prompts* prompts) { prompts_ = prompts; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompts* prompts_ = nullptr;
};

} // namespace corvane
