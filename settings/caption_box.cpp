#include "settings/caption_box.h"

#include <QPainter>

namespace corvane {

namespace {

constexpr int kFrameTop = 6;     // the border line, through the middle of the caption
constexpr int kCaptionLeft = 8;  // caption start, from the box's left edge
constexpr int kCaptionGap = 2;   // blank beside the caption, where the line breaks off
constexpr qreal kCornerRadius = 3;
const QColor kFrameColour(0xb8, 0xb6, 0xa8);

} // namespace

CaptionBox::CaptionBox(QWidget* parent) : QGroupBox(parent) {}

void CaptionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kFrameColour);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, kFrameTop + 0.5, -0.5, -0.5), kCornerRadius,
                            kCornerRadius);
    if (title().isEmpty()) return;

    const QFontMetrics metrics = fontMetrics();
    const QRect caption(kCaptionLeft, kFrameTop - metrics.height() / 2, metrics.horizontalAdvance(title()),
                        metrics.height());
    painter.fillRect(caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0), palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
}

} // namespace corvane
