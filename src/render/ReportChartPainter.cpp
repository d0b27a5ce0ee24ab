#include "ReportChartPainter.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace lovaris {
namespace {

// The chart is laid out at this size in its own units and scaled onto the page, so
// its fonts keep their proportions on any device.
constexpr double kChartWidth = 560;
constexpr double kNotesShare = 0.32;

void DrawNotes(QPainter& painter, const QString& title, const QRectF& rect, double lineHeight) {
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, lineHeight / 40)));
    painter.drawRect(rect);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(lineHeight * 0.6)));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), lineHeight * 1.2), Qt::AlignCenter, title);
    painter.setPen(QPen(Qt::gray, std::max(1.0, lineHeight / 60)));
    for (double y = rect.top() + lineHeight * 2.2; y < rect.bottom() - lineHeight * 0.5; y += lineHeight)
        painter.drawLine(QPointF(rect.left() + lineHeight * 0.4, y), QPointF(rect.right() - lineHeight * 0.4, y));
    painter.restore();
}

}  // namespace

void PaintLoadChart(QPainter& painter, const ReportChart& chart, const QRectF& rect, double lineHeight) {
    const double gap = lineHeight * 0.5;
    const QRectF inner = rect.adjusted(0, gap / 2, 0, -gap / 2);
    const QRectF chartRect(inner.left(), inner.top(), inner.width() * (1 - kNotesShare) - gap, inner.height());
    const QRectF notesRect(chartRect.right() + gap, inner.top(), inner.right() - chartRect.right() - gap,
                           inner.height());

    QChart* view = new QChart;  // owned by the scene
    view->setBackgroundRoundness(0);
    view->setMargins(QMargins(4, 4, 4, 4));
    view->legend()->setAlignment(Qt::AlignTop);
    double top = 0;
    for (const ChartSeries& s : chart.series) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(s.title));
        series->setPen(QPen(Qt::black, 2));
        for (std::size_t i = 0; i < s.values.size(); ++i) {
            series->append(static_cast<double>(i + 1), s.values[i]);
            top = std::max(top, s.values[i]);
        }
        view->addSeries(series);
    }
    auto* days = new QCategoryAxis;
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    days->setRange(0.5, static_cast<double>(chart.pointLabels.size()) + 0.5);
    for (std::size_t i = 0; i < chart.pointLabels.size(); ++i)
        days->append(QString::fromStdString(chart.pointLabels[i]), static_cast<double>(i + 1));
    auto* load = new QValueAxis;
    load->setRange(0, top > 0 ? top * 1.15 : 1.0);
    load->setLabelFormat(QStringLiteral("%.0f"));
    load->applyNiceNumbers();
    view->addAxis(days, Qt::AlignBottom);
    view->addAxis(load, Qt::AlignLeft);
    for (auto* series : view->series()) {
        series->attachAxis(days);
        series->attachAxis(load);
    }

    QGraphicsScene scene;
    scene.addItem(view);
    const QSizeF size(kChartWidth, kChartWidth * chartRect.height() / std::max(1.0, chartRect.width()));
    view->resize(size);
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    scene.render(&painter, chartRect, scene.sceneRect());
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, lineHeight / 40)));
    painter.drawRect(chartRect);
    painter.restore();
    DrawNotes(painter, QString::fromStdString(chart.notesTitle), notesRect, lineHeight);
}

}  // namespace lovaris
