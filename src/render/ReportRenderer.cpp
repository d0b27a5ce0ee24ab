#include "ReportRenderer.h"

#include <QSaveFile>
#include <QFontMetricsF>
#include <QPdfWriter>

#include "ReportChartPainter.h"

namespace lovaris {
namespace {

// Text takes this share of a line's height; a cell too narrow for its text shrinks
// it down to kMinTextShare before the text is cut.
constexpr double kTextShare = 0.62;
constexpr double kMinTextShare = 0.40;
const QColor kShade(0xF0, 0xF0, 0xF0);  // the button face of a free hour the teacher did not want

QFont BandFont(const ReportBand& band, double lineHeight) {
    QFont font(QStringLiteral("DejaVu Sans"));
    const double share = band.style == BandStyle::Large ? 0.55 * band.lines : kTextShare;
    font.setPixelSize(std::max(1, static_cast<int>(lineHeight * share)));
    font.setBold(band.style != BandStyle::Plain);
    return font;
}

Qt::Alignment ToQt(CellAlign align) {
    switch (align) {
        case CellAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
        case CellAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case CellAlign::Center: break;
    }
    return Qt::AlignHCenter | Qt::AlignVCenter;
}

// A font for the line made small enough to fit the width, down to a floor below
// which the line is cut instead.
QFont FittedFont(QFont font, const QString& line, double width, double minPixels) {
    const double wide = QFontMetricsF(font).horizontalAdvance(line);
    if (wide > width && font.pixelSize() > minPixels)
        font.setPixelSize(std::max(static_cast<int>(minPixels), static_cast<int>(font.pixelSize() * width / wide)));
    return font;
}

// The cell's lines share its height evenly. A single line too wide for a cell of
// several lines is wrapped over them; other lines shrink, each on its own, to fit.
void DrawCellText(QPainter& painter, const ReportCell& cell, const QRectF& rect, const QFont& font, double lineHeight,
                  int bandLines) {
    const QStringList lines = QString::fromStdString(cell.text).split(QLatin1Char('\n'));
    const double pad = lineHeight * 0.15;
    const double width = std::max(1.0, rect.width() - 2 * pad);
    const QRectF inner(rect.left() + pad, rect.top(), width, rect.height());
    if (lines.size() == 1 && bandLines > 1 && QFontMetricsF(font).horizontalAdvance(lines[0]) > width) {
        const QRectF wrapped = QFontMetricsF(font).boundingRect(inner, Qt::TextWordWrap | ToQt(cell.align), lines[0]);
        if (wrapped.height() <= inner.height() && wrapped.width() <= width + 0.5) {
            painter.setFont(font);
            painter.drawText(inner, Qt::TextWordWrap | ToQt(cell.align), lines[0]);
            return;
        }
    }
    const double step = rect.height() / static_cast<double>(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QFont fitted = FittedFont(font, lines[i], width, lineHeight * kMinTextShare);
        painter.setFont(fitted);
        const QRectF lineRect(inner.left(), rect.top() + step * static_cast<double>(i), width, step);
        painter.drawText(lineRect, ToQt(cell.align), QFontMetricsF(fitted).elidedText(lines[i], Qt::ElideRight, width));
    }
}

}  // namespace

QPageLayout ReportPageLayout(const Report& report) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       report.orientation == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

void ReportRenderer::drawBand(QPainter& painter, const ReportBand& band, const QRectF& rect, double lineHeight) const {
    if (band.kind == BandKind::Chart) {
        drawChart(painter, band.chart, rect, lineHeight);
        return;
    }
    int total = 0;
    for (int w : band.widths) total += w;
    if (total <= 0) return;
    const QFont font = BandFont(band, lineHeight);
    double x = rect.left();
    const QPen frame(Qt::black, std::max(1.0, lineHeight / 40));
    for (std::size_t i = 0; i < band.cells.size(); ++i) {
        const int w = i < band.widths.size() ? band.widths[i] : 0;
        const QRectF cellRect(x, rect.top(), rect.width() * w / total, rect.height());
        x += cellRect.width();
        if (band.cells[i].shaded) painter.fillRect(cellRect, kShade);
        if (band.framed) {
            painter.setPen(frame);
            painter.drawRect(cellRect);
        }
        painter.setPen(Qt::black);
        DrawCellText(painter, band.cells[i], cellRect, font, lineHeight, band.lines);
    }
}

void ReportRenderer::drawChart(QPainter& painter, const ReportChart& chart, const QRectF& rect,
                               double lineHeight) const {
    PaintLoadChart(painter, chart, rect, lineHeight);
}

void ReportRenderer::DrawPage(QPainter& painter, const QRectF& area, int index) const {
    if (index < 0 || index >= pageCount()) return;
    const ReportPage& page = report_.pages[static_cast<std::size_t>(index)];
    const double lineHeight = area.height() / report_.pageLines();
    painter.save();
    double y = area.top();
    for (const ReportBand& band : page.bands) {
        const QRectF rect(area.left(), y, area.width(), lineHeight * band.lines);
        drawBand(painter, band, rect, lineHeight);
        y += rect.height();
    }
    if (!page.footerLeft.empty() || !page.footerRight.empty()) {
        ReportBand footer = TextBand(BandKind::Summary, page.footerLeft);
        footer.cells.push_back(ReportCell{page.footerRight, CellAlign::Right});
        footer.cells[0].align = CellAlign::Left;
        footer.widths = {1, 1};
        drawBand(painter, footer, QRectF(area.left(), area.bottom() - lineHeight, area.width(), lineHeight),
                 lineHeight);
    }
    painter.restore();
}

bool ReportRenderer::Paint(QPagedPaintDevice& device, int first, int last,
                           const std::function<void(int page)>& pageDone) const {
    if (first <= 0) first = 1;
    if (last <= 0 || last > pageCount()) last = pageCount();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The painter starts at the top left of the printable area, which the margins frame.
    const QRectF area(0, 0, device.width(), device.height());
    for (int p = first; p <= last; ++p) {
        if (p > first) device.newPage();
        DrawPage(painter, area, p - 1);
        if (pageDone) pageDone(p);
    }
    return painter.end();
}

bool WriteReportPdf(const Report& report, const QString& path, QString* error,
                    const std::function<void(int page)>& pageDone) {
    // Written beside the target and then put in its place, so that a failed write
    // leaves an older file whole.
    QSaveFile file(path);
    bool painted = false;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setPageLayout(ReportPageLayout(report));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Ловарис"));
        writer.setTitle(QString::fromStdString(report.name));
        painted = ReportRenderer(report).Paint(writer, 0, 0, pageDone);
    }
    if (painted && file.commit()) return true;
    file.cancelWriting();
    if (error) *error = file.errorString();
    return false;
}

}  // namespace lovaris
