#pragma once
// Draws the pages of a report on A4 through QPainter, on any paged device: the print
// preview, a printer or a PDF file, so that all of them show the same page.
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <functional>

#include "core/reports/Report.h"

namespace lovaris {

// The page size and orientation the report asks for, 10 mm margins.
QPageLayout ReportPageLayout(const Report& report);

class ReportRenderer {
public:
    explicit ReportRenderer(const Report& report) : report_(report) {}

    int pageCount() const { return static_cast<int>(report_.pages.size()); }
    // Cells drawn so far whose text could not be shown whole.
    int cutCells() const { return cutCells_; }
    // Draws page `index` (from 0) into `area`, the printable part of an A4 page in the
    // painter's units.
    void DrawPage(QPainter& painter, const QRectF& area, int index) const;
    // Every page from `first` to `last` (from 1; 0 for both: all), each on a new sheet
    // after the first; `pageDone` hears of each page drawn (from 1). False when the
    // device cannot be painted on.
    bool Paint(QPagedPaintDevice& device, int first = 0, int last = 0,
               const std::function<void(int page)>& pageDone = {}) const;

private:
    void drawBand(QPainter& painter, const ReportBand& band, const QRectF& rect, double lineHeight) const;
    void drawChart(QPainter& painter, const ReportChart& chart, const QRectF& rect, double lineHeight) const;

    const Report& report_;
    mutable int cutCells_ = 0;
};

// The cells of the whole report whose text a printed page cannot show whole.
int CountCutCells(const Report& report);

// Writes the report as an A4 PDF. False with the reason when the file cannot be written.
bool WriteReportPdf(const Report& report, const QString& path, QString* error = nullptr,
                    const std::function<void(int page)>& pageDone = {});

}  // namespace lovaris
