#include "ReportRenderer.h"

#include <QBuffer>
#include <algorithm>
#include <optional>
#include <vector>
#include <QSaveFile>
#include <QFontMetricsF>
#include <QPdfWriter>

#include "ReportChartPainter.h"

namespace lovaris {
namespace {

// Text takes this share of a line's height. A cell too narrow for its text wraps it
// within the cell and, when its height is still too small, sets it in smaller type,
// down to kMinTextShare; only a text that does not fit even then is clipped.
constexpr double kTextShare = 0.62;
constexpr double kMinTextShare = 0.34;
constexpr double kShrinkStep = 0.93;
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

// A cell's lines set in one font, each wrapped within the width: how tall each
// comes out, and whether every one keeps within the width.
struct CellSetting {
    QFont font;
    int wrap = Qt::TextWordWrap;
    std::vector<double> heights;
    double height = 0;
    bool withinWidth = true;
};

CellSetting SetLines(const QStringList& lines, const QFont& font, int wrap, double width) {
    CellSetting setting{font, wrap, {}, 0, true};
    const QFontMetricsF metrics(font);
    for (const QString& line : lines) {
        const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width, 1e9), wrap, line);
        const double height = line.isEmpty() ? metrics.height() : bounds.height();
        setting.heights.push_back(height);
        setting.height += height;
        setting.withinWidth = setting.withinWidth && bounds.width() <= width + 0.5;
    }
    return setting;
}

// The largest type, from the band's own down to the floor, in which the lines fit
// the cell: wrapped at blanks first, broken inside words only when a word is wider
// than the cell. None when even the floor is too large.
std::optional<CellSetting> FitLines(const QStringList& lines, const QFont& font, const QSizeF& room, double minPixels) {
    for (const int wrap : {int(Qt::TextWordWrap), int(Qt::TextWrapAnywhere)}) {
        QFont trial = font;
        for (int pixels = font.pixelSize(); pixels >= minPixels;
             pixels = std::min(pixels - 1, static_cast<int>(pixels * kShrinkStep))) {
            trial.setPixelSize(pixels);
            CellSetting setting = SetLines(lines, trial, wrap, room.width());
            if (setting.withinWidth && setting.height <= room.height()) return setting;
        }
    }
    return std::nullopt;
}

// Draws the cell's text whole: its lines share the height evenly when each fits on
// one line, else they are wrapped, and shrunk if need be, as one centred block.
// False when the text had to be clipped.
bool DrawCellText(QPainter& painter, const ReportCell& cell, const QRectF& rect, const QFont& font, double lineHeight) {
    if (cell.text.empty()) return true;
    const QStringList lines = QString::fromStdString(cell.text).split(QLatin1Char('\n'));
    const double pad = lineHeight * 0.15;
    const double width = std::max(1.0, rect.width() - 2 * pad);
    const QFontMetricsF metrics(font);
    const bool eachOnOneLine = std::all_of(lines.begin(), lines.end(),
                                           [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; });
    const double step = rect.height() / static_cast<double>(lines.size());
    painter.setFont(font);
    if (eachOnOneLine && metrics.height() <= step + 0.5) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QRectF(rect.left() + pad, rect.top() + step * static_cast<double>(i), width, step),
                             ToQt(cell.align), lines[i]);
        return true;
    }
    const std::optional<CellSetting> fitted = FitLines(lines, font, QSizeF(width, rect.height()), lineHeight * kMinTextShare);
    const CellSetting setting = fitted ? *fitted : [&] {
        QFont floor = font;
        floor.setPixelSize(std::max(1, static_cast<int>(lineHeight * kMinTextShare)));
        return SetLines(lines, floor, Qt::TextWrapAnywhere, width);
    }();
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(setting.font);
    double y = rect.top() + std::max(0.0, rect.height() - setting.height) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double height = setting.heights[static_cast<std::size_t>(i)];
        painter.drawText(QRectF(rect.left() + pad, y, width, height), setting.wrap | ToQt(cell.align), lines[i]);
        y += height;
    }
    painter.restore();
    return fitted.has_value();
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
        if (!DrawCellText(painter, band.cells[i], cellRect, font, lineHeight)) ++cutCells_;
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

namespace {

void SetUpPdf(QPdfWriter& writer, const Report& report) {
    writer.setPageLayout(ReportPageLayout(report));
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Ловарис"));
    writer.setTitle(QString::fromStdString(report.name));
}

}  // namespace

int CountCutCells(const Report& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SetUpPdf(writer, report);
    const ReportRenderer renderer(report);
    renderer.Paint(writer);
    return renderer.cutCells();
}

bool WriteReportPdf(const Report& report, const QString& path, QString* error,
                    const std::function<void(int page)>& pageDone) {
    // Written beside the target and then put in its place, so that a failed write
    // leaves an older file whole.
    QSaveFile file(path);
    bool painted = false;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        SetUpPdf(writer, report);
        painted = ReportRenderer(report).Paint(writer, 0, 0, pageDone);
    }
    if (painted && file.commit()) return true;
    file.cancelWriting();
    if (error) *error = file.errorString();
    return false;
}

}  // namespace lovaris
