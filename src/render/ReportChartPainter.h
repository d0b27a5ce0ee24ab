#pragma once
// A load chart on a report page: Qt Charts' line chart with its legend, the days'
// short names under the points, and the ruled notes area beside it.
#include <QPainter>
#include <QRectF>

#include "core/reports/Report.h"

namespace lovaris {

void PaintLoadChart(QPainter& painter, const ReportChart& chart, const QRectF& rect, double lineHeight);

}  // namespace lovaris
