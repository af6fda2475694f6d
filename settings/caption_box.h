#pragma once

#include <QGroupBox>

namespace corvane {

// A group box whose caption sits on its top border line, so a collapsed box is one thin strip.
// It paints its own frame instead of taking a style sheet, which would restyle every control
// inside it and make the window slower to build.
class CaptionBox : public QGroupBox {
  public:
    explicit CaptionBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace corvane
