#pragma once
// The two panels framing a configurator dialog: the title panel (69 high) across the top and the
// button panel (40 high) across the bottom, each set off from the working area by a silver line.
#include <QSize>

class QFrame;
class QWidget;

namespace corvane {

inline constexpr int kTitlePanelHeight = 69;
inline constexpr int kButtonPanelHeight = 40;

struct DialogPanels {
    QFrame* title = nullptr;   // P_Title
    QFrame* buttons = nullptr; // P_Buttons: parent of the dialog's OK and Cancel buttons

    // Spreads both panels over the width of a client area of `client` size.
    void place(QSize client) const;
};

// Creates the panels; create them before the title labels so that these lie on top.
DialogPanels addDialogPanels(QWidget* dialog);

} // namespace corvane
