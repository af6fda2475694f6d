#include "app/flat_button.h"

#include <QPainter>

namespace corvane {

namespace {
const QColor kRest(0xF8, 0xF7, 0xED);
const QColor kHot(0xE6, 0xEE, 0xF9);
const QColor kPressed(0xD2, 0xE0, 0xF4);
const QColor kBorder(0xB8, 0xB8, 0xB0);
const QColor kHotBorder(0x6F, 0x93, 0xC9);
constexpr int kCaptionIndent = 8;
} // namespace

FlatButton::FlatButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover); // repaint on entering and leaving
    setAutoDefault(false);
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool hot = underMouse() && isEnabled();
    painter.setPen(hot ? kHotBorder : kBorder);
    painter.setBrush(isDown() ? kPressed : hot ? kHot : kRest);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    if (!icon().isNull()) {
        const QRect place(QPoint(), iconSize());
        icon().paint(&painter, place.translated(rect().center() - place.center()));
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        const Qt::Alignment align = Qt::AlignVCenter | (captionLeft_ ? Qt::AlignLeft : Qt::AlignHCenter);
        painter.drawText(rect().adjusted(kCaptionIndent, 0, -kCaptionIndent, 0), align | Qt::TextShowMnemonic, text());
    }
}

} // namespace corvane
