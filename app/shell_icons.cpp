#include "app/shell_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace corvane {

namespace {

constexpr int kSize = 64; // drawn large, scaled down by the button

QPixmap blank() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void disc(QPainter& painter, QColor fill) {
    painter.setPen(QPen(fill.darker(130), 2));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(4, 4, kSize - 8, kSize - 8));
}

} // namespace

QIcon informationIcon() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    disc(painter, QColor(52, 120, 198));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(27, 13, 10, 10));
    painter.drawRoundedRect(QRectF(27, 27, 10, 24), 2, 2);
    return QIcon(pixmap);
}

QIcon optionsIcon() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    QPainterPath wheel;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 2; ++i) {
        const double radius = (i % 2 == 0) ? 28 : 21;
        for (double step : {-0.18, 0.18}) {
            const double angle = (i + 0.5 + step) * M_PI / kTeeth;
            const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            if (wheel.elementCount() == 0) wheel.moveTo(point);
            else wheel.lineTo(point);
        }
    }
    wheel.closeSubpath();
    wheel.addEllipse(centre, 8, 8); // the hole, cut out by the odd-even fill
    painter.setPen(QPen(QColor(80, 80, 80), 2));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawPath(wheel);
    return QIcon(pixmap);
}

QIcon closeIcon() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    disc(painter, QColor(200, 55, 45));
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 22), QPointF(42, 42));
    painter.drawLine(QPointF(42, 22), QPointF(22, 42));
    return QIcon(pixmap);
}

} // namespace corvane
