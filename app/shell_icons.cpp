#include "app/shell_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace corvane {

namespace {

constexpr int kSize = 64; // the pictures are drawn on a 64 x 64 grid, scaled to the size asked for

// Draws its picture when a button first paints it, at the size it is shown, instead of every
// picture being drawn while the main window is built. Keeps the last size drawn.
class DrawnIconEngine : public QIconEngine {
  public:
    using Draw = void (*)(QPainter&);
    explicit DrawnIconEngine(Draw draw) : draw_(draw) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / double(kSize), rect.height() / double(kSize));
        draw_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (cached_.size() != size) {
            cached_ = QPixmap(size);
            cached_.fill(Qt::transparent);
            QPainter painter(&cached_);
            paint(&painter, QRect(QPoint(), size), mode, state);
        }
        return cached_;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

  private:
    Draw draw_;
    QPixmap cached_;
};

void disc(QPainter& painter, QColor fill) {
    painter.setPen(QPen(fill.darker(130), 2));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(4, 4, kSize - 8, kSize - 8));
}

void drawInformation(QPainter& painter) {
    disc(painter, QColor(52, 120, 198));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(27, 13, 10, 10));
    painter.drawRoundedRect(QRectF(27, 27, 10, 24), 2, 2);
}

void drawOptions(QPainter& painter) {
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
}

void drawClose(QPainter& painter) {
    disc(painter, QColor(200, 55, 45));
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 22), QPointF(42, 42));
    painter.drawLine(QPointF(42, 22), QPointF(22, 42));
}

} // namespace

QIcon informationIcon() { return QIcon(new DrawnIconEngine(drawInformation)); }
QIcon optionsIcon() { return QIcon(new DrawnIconEngine(drawOptions)); }
QIcon closeIcon() { return QIcon(new DrawnIconEngine(drawClose)); }

} // namespace corvane
