#pragma once
// The real message boxes and URL opener of the running configurator.
#include "common/platform.h"

class QWidget;

namespace corvane {

class QtPrompts : public Prompts {
public:
    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    bool confirm(const std::string& text) override;
};

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const std::string& url) override;
};

} // namespace corvane
