#include "HourglassAnimation.h"

#include <QPainter>
#include <QPainterPath>

namespace lovaris::ui {
namespace {

const QColor kFrame(90, 60, 30);
const QColor kGlass(225, 240, 250);
const QColor kSand(220, 170, 60);

// The glass's outline in a unit box centred on 0: two bulbs meeting at the neck.
QPainterPath GlassOutline() {
    QPainterPath path;
    path.moveTo(-0.32, -0.40);
    path.lineTo(0.32, -0.40);
    path.cubicTo(0.32, -0.12, 0.06, -0.06, 0.05, 0.0);
    path.cubicTo(0.06, 0.06, 0.32, 0.12, 0.32, 0.40);
    path.lineTo(-0.32, 0.40);
    path.cubicTo(-0.32, 0.12, -0.06, 0.06, -0.05, 0.0);
    path.cubicTo(-0.06, -0.06, -0.32, -0.12, -0.32, -0.40);
    path.closeSubpath();
    return path;
}

}  // namespace

void DrawHourglass(QPainter& painter, const QRect& rect, int picture) {
    // How much sand is left on top, and how far the glass has turned.
    static constexpr double kTop[HourglassAnimation::kPictures] = {1.0, 0.66, 0.33, 0.0, 0.0};
    static constexpr double kTurn[HourglassAnimation::kPictures] = {0, 0, 0, 0, 90};
    const int p = ((picture % HourglassAnimation::kPictures) + HourglassAnimation::kPictures) % HourglassAnimation::kPictures;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QRectF(rect).center());
    const double side = std::min(rect.width(), rect.height());
    painter.scale(side, side);
    painter.rotate(kTurn[p]);

    const QPainterPath glass = GlassOutline();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlass);
    painter.drawPath(glass);

    // Sand: the top bulb down from its level, the bottom bulb up to what has fallen.
    const double top = kTop[p];
    const double bottom = 1.0 - top;
    painter.setBrush(kSand);
    if (top > 0) {
        QPainterPath topSand;
        topSand.addRect(QRectF(-0.4, -0.02 - 0.36 * top, 0.8, 0.36 * top));
        painter.drawPath(glass.intersected(topSand));
    }
    if (bottom > 0) {
        QPainterPath bottomSand;
        bottomSand.addRect(QRectF(-0.4, 0.40 - 0.36 * bottom, 0.8, 0.36 * bottom));
        painter.drawPath(glass.intersected(bottomSand));
    }
    if (top > 0 && bottom > 0) painter.drawRect(QRectF(-0.012, 0.0, 0.024, 0.38));  // the running thread

    QPen outline(kFrame, 0.04);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glass);
    painter.setBrush(kFrame);
    painter.drawRect(QRectF(-0.40, -0.46, 0.80, 0.06));
    painter.drawRect(QRectF(-0.40, 0.40, 0.80, 0.06));
    painter.restore();
}

HourglassAnimation::HourglassAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("animation"));
    setFixedSize(sizeHint());
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        picture_ = (picture_ + 1) % kPictures;
        update();
    });
    timer_.start();
}

void HourglassAnimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawHourglass(painter, rect(), picture_);
}

}  // namespace lovaris::ui
