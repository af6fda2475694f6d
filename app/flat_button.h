#pragma once
// The main window's flat button: the window's background with a thin border, tinted while the
// mouse is over it (hot track) and darker while pressed. Drawn by hand: a style sheet would make
// every control of the window slower to create.
#include <QPushButton>

namespace corvane {

class FlatButton : public QPushButton {
public:
    explicit FlatButton(QWidget* parent = nullptr);
    // Left-aligned caption instead of centred.
    void setCaptionLeft(bool left) { captionLeft_ = left; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool captionLeft_ = false;
};

} // namespace corvane
