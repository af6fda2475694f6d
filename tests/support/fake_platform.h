#pragma once
// Scriptable stand-ins for the platform facilities, for tests.
#include "common/platform.h"

#include <deque>
#include <string>
#include <vector>

namespace corvane::testing {

// Records every message box and answers confirmations from a script (Yes when the script is empty).
class FakePrompts : public Prompts {
public:
    struct Shown {
        std::string kind; // "error", "warning" or "confirm"
        std::string text;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;

    void error(const std::string& text) override { shown.push_back({"error", text}); }
    void warning(const std::string& text) override { shown.push_back({"warning", text}); }
    bool confirm(const std::string& text) override {
        shown.push_back({"confirm", text});
        if (answers.empty()) return true;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
};

class FakeUrlOpener : public UrlOpener {
public:
    std::vector<std::string> opened;
    void open(const std::string& url) override { opened.push_back(url); }
};

class FakeRegionalSettings : public RegionalSettings {
public:
    char separator = '.';
    char decimalSeparator() override { return separator; }
};

} // namespace corvane::testing
