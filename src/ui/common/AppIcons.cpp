#include "AppIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace lovaris::ui {
namespace {

// Drawn on a 24-unit canvas: dark outlines, one accent colour per glyph.
const QColor kInk(0x33, 0x3a, 0x45);
const QColor kPaper(0xfb, 0xfb, 0xf7);
const QColor kBlue(0x3a, 0x7b, 0xc8);
const QColor kGreen(0x3f, 0xa3, 0x5a);
const QColor kAmber(0xe8, 0xa3, 0x2c);
const QColor kRed(0xd0, 0x4a, 0x3c);

QPen inkPen(qreal width = 1.4) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void page(QPainter& p) {
    QPainterPath path;
    path.moveTo(5, 2.5);
    path.lineTo(15, 2.5);
    path.lineTo(19.5, 7);
    path.lineTo(19.5, 21.5);
    path.lineTo(5, 21.5);
    path.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({{15, 2.5}, {15, 7}, {19.5, 7}}));
}

void weekGrid(QPainter& p, const QRectF& r, const QColor& accent, int cols = 4, int rows = 3) {
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5, 1.5);
    const qreal w = r.width() / cols, h = r.height() / rows;
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    for (int c = 0; c < cols; ++c)
        for (int row = 0; row < rows; ++row)
            if ((c + row) % 2 == 0) p.drawRect(QRectF(r.left() + c * w + 1, r.top() + row * h + 1, w - 2, h - 2));
    p.setPen(inkPen(0.8));
    for (int c = 1; c < cols; ++c) p.drawLine(QPointF(r.left() + c * w, r.top()), QPointF(r.left() + c * w, r.bottom()));
    for (int row = 1; row < rows; ++row)
        p.drawLine(QPointF(r.left(), r.top() + row * h), QPointF(r.right(), r.top() + row * h));
}

void badge(QPainter& p, const QColor& colour, const QString& letter) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(colour);
    p.drawEllipse(QPointF(17, 17), 6, 6);
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(11, 11, 12, 12), Qt::AlignCenter, letter);
}

void drawGlyph(QPainter& p, Glyph glyph) {
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Open: {
        p.setPen(inkPen());
        p.setBrush(kAmber.lighter(130));
        p.drawPolygon(QPolygonF({{2.5, 5}, {9, 5}, {11, 7.5}, {19.5, 7.5}, {19.5, 19.5}, {2.5, 19.5}}));
        p.setBrush(kAmber);
        p.drawPolygon(QPolygonF({{5.5, 11}, {22, 11}, {19.5, 19.5}, {2.5, 19.5}}));
        break;
    }
    case Glyph::New:
        page(p);
        p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.25, 10), QPointF(12.25, 18));
        p.drawLine(QPointF(8.25, 14), QPointF(16.25, 14));
        break;
    case Glyph::Save:
        p.setPen(inkPen());
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 3, 10, 6.5));
        p.drawRect(QRectF(6, 13, 12, 8));
        p.setBrush(kInk);
        p.drawRect(QRectF(13.5, 4.5, 2, 3.5));
        break;
    case Glyph::Print:
        p.setPen(inkPen());
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.setBrush(QColor(0xb8, 0xbf, 0xc8));
        p.drawRoundedRect(QRectF(3, 9, 18, 8.5), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 14, 10, 7));
        p.setPen(inkPen(0.8));
        p.drawLine(QPointF(9, 16.5), QPointF(15, 16.5));
        p.drawLine(QPointF(9, 18.5), QPointF(15, 18.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(18, 11.5), 1, 1);
        break;
    case Glyph::TestData:
        page(p);
        p.setPen(inkPen(0.9));
        for (qreal y : {8.0, 11.0, 14.0}) p.drawLine(QPointF(8, y), QPointF(14, y));
        p.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{10, 17}, {13, 20}, {21, 11}}));
        break;
    case Glyph::Run:
        weekGrid(p, QRectF(2.5, 3.5, 15, 13), kBlue.lighter(150));
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{12, 11}, {22, 16.5}, {12, 22}}));
        break;
    case Glyph::Params:
        p.setPen(inkPen(1.6));
        for (qreal y : {6.0, 12.0, 18.0}) p.drawLine(QPointF(3, y), QPointF(21, y));
        p.setPen(inkPen());
        p.setBrush(kAmber);
        p.drawEllipse(QPointF(8, 6), 2.5, 2.5);
        p.drawEllipse(QPointF(16, 12), 2.5, 2.5);
        p.drawEllipse(QPointF(11, 18), 2.5, 2.5);
        break;
    case Glyph::Help: {
        p.setPen(inkPen());
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        QFont f = p.font();
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2.5, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Automatic:
        weekGrid(p, QRectF(2.5, 3.5, 15, 13), kBlue.lighter(150));
        badge(p, kBlue, QStringLiteral("A"));
        break;
    case Glyph::Manual:
        weekGrid(p, QRectF(2.5, 3.5, 15, 13), kAmber.lighter(150));
        p.setPen(inkPen());
        p.setBrush(kAmber);
        p.drawPolygon(QPolygonF({{11, 21}, {12, 16.5}, {20, 8.5}, {23, 11.5}, {15, 19.5}}));
        break;
    case Glyph::EndPlanning:
        weekGrid(p, QRectF(2.5, 3.5, 15, 13), kBlue.lighter(150));
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(12, 12, 10, 10), 1.5, 1.5);
        break;
    case Glyph::Control:
        page(p);
        p.setPen(inkPen(2));
        p.setBrush(QColor(0xdd, 0xea, 0xf7));
        p.drawEllipse(QPointF(11, 11), 4.5, 4.5);
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
        break;
    case Glyph::WeekVariants:
        weekGrid(p, QRectF(2.5, 6.5, 14, 14), kGreen.lighter(150));
        p.setPen(inkPen());
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(7.5, 2.5, 14, 14), 1.5, 1.5);
        weekGrid(p, QRectF(7.5, 2.5, 14, 14), kGreen, 3, 3);
        break;
    case Glyph::Optimize:
        p.setPen(inkPen());
        p.setBrush(kAmber);
        p.drawPolygon(QPolygonF({{13.5, 2}, {5, 13.5}, {11, 13.5}, {9.5, 22}, {19, 9.5}, {13, 9.5}}));
        break;
    case Glyph::SetRooms:
        p.setPen(inkPen());
        p.setBrush(QColor(0xb0, 0x7a, 0x4a));
        p.drawRect(QRectF(5, 2.5, 12, 19));
        p.setBrush(kPaper);
        p.drawRect(QRectF(7.5, 5, 7, 5));
        p.setBrush(kAmber);
        p.drawEllipse(QPointF(14.5, 13.5), 1.2, 1.2);
        p.setPen(inkPen(1.8));
        p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
        badge(p, kGreen, QStringLiteral("№"));
        break;
    case Glyph::Statistics:
        p.setPen(inkPen());
        p.drawPolyline(QPolygonF({{3, 3}, {3, 21}, {21, 21}}));
        p.setBrush(kBlue);
        p.drawRect(QRectF(5.5, 13, 3.5, 8));
        p.setBrush(kGreen);
        p.drawRect(QRectF(10.5, 7, 3.5, 14));
        p.setBrush(kAmber);
        p.drawRect(QRectF(15.5, 10, 3.5, 11));
        break;
    case Glyph::Substitutions:
        p.setPen(inkPen());
        p.setBrush(QColor(0x5f, 0x8f, 0x6a));
        p.drawRoundedRect(QRectF(4, 2.5, 15, 19), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 5, 9.5, 14));
        p.setPen(QPen(kRed, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{8.5, 9}, {15, 9}, {13, 7}}));
        p.setPen(QPen(kBlue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{15, 14.5}, {8.5, 14.5}, {10.5, 16.5}}));
        break;
    }
}

QPixmap renderGlyph(Glyph glyph, int size, bool disabled) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 24.0, size / 24.0);
    if (disabled) p.setOpacity(0.35);
    drawGlyph(p, glyph);
    return pixmap;
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(renderGlyph(glyph, size, false), QIcon::Normal);
        icon.addPixmap(renderGlyph(glyph, size, true), QIcon::Disabled);
    }
    return icon;
}

QPixmap LogoPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A rounded tile holding a week: six day columns, lesson rows, a few lessons planned.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(9, 14, 46, 41), 4, 4);
    p.setBrush(kBlue.darker(130));
    p.drawRoundedRect(QRectF(9, 14, 46, 8), 4, 4);
    p.drawRect(QRectF(9, 18, 46, 4));
    const QColor lessons[] = {kGreen, kAmber, kRed, kBlue};
    int k = 0;
    for (int col = 0; col < 6; ++col)
        for (int row = 0; row < 4; ++row) {
            if ((col * 3 + row * 5) % 4 == 3) continue;
            p.setBrush(lessons[(k++) % 4]);
            p.drawRoundedRect(QRectF(11.5 + col * 7, 24.5 + row * 7.5, 6, 6), 1.2, 1.2);
        }
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(20, 9), 2.5, 2.5);
    p.drawEllipse(QPointF(44, 9), 2.5, 2.5);
    return pixmap;
}

QIcon LogoIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(LogoPixmap(size));
    return icon;
}

}  // namespace lovaris::ui
