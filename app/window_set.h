#pragma once
// Every window of the configurator, each created exactly once, in the fixed creation order:
// the main window first, then the dialogs it opens.
#include "app/main_window.h"

#include <memory>
#include <vector>

namespace corvane {

class WindowSet {
public:
    // The state must have gone through start-up: every window reads the catalogue when created.
    WindowSet(AppState& state, Platform& platform);
    ~WindowSet();

    TFCorvanoFirmWare& main() { return *main_; }
    // The windows in creation order, the main window first.
    const std::vector<QWidget*>& creationOrder() const { return order_; }

private:
    template <class Window> Window* create(AppState& state, Platform& platform);

    std::unique_ptr<TFCorvanoFirmWare> main_; // owns the dialogs as its children
    std::vector<QWidget*> order_;
};

} // namespace corvane
