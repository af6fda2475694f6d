#include "app/product_picture.h"

#include <QPainter>

namespace corvane {

QPixmap productPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 81.0, size / 81.0);

    // The DIN-rail housing.
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    painter.setBrush(QColor(225, 225, 218));
    painter.drawRoundedRect(QRectF(14, 6, 53, 69), 4, 4);
    painter.setBrush(QColor(52, 120, 198));
    painter.drawRect(QRectF(14, 30, 53, 14)); // the coloured front band

    // Ethernet socket above, DALI terminals below, two status lights.
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(QRectF(30, 12, 20, 13));
    painter.setBrush(QColor(120, 200, 90));
    painter.drawEllipse(QRectF(20, 34, 6, 6));
    painter.setBrush(QColor(240, 170, 40));
    painter.drawEllipse(QRectF(29, 34, 6, 6));
    painter.setBrush(QColor(170, 170, 165));
    for (int i = 0; i < 4; ++i) painter.drawRect(QRectF(20 + i * 11, 54, 8, 12));

    painter.setPen(Qt::white);
    painter.setFont(QFont(painter.font().family(), 5, QFont::Bold));
    painter.drawText(QRectF(38, 30, 28, 14), Qt::AlignCenter, "DALI");
    return pixmap;
}

} // namespace corvane
