#include "SchoolCellPainter.h"

#include <QPainter>
#include <QStringList>
#include <vector>
#include <QPalette>

#include "core/views/SubCellLayout.h"
#include "ui/controls/FittedText.h"

namespace lovaris::ui {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kMaroon(128, 0, 0);
const QColor kGrey(128, 128, 128);

QColor FillOf(std::string_view code) {
    if (code == kFillRed) return kRed;
    if (code == kFillYellow) return kYellow;
    return kGrey;
}

struct SubCell {
    QRect rect;
    const std::string& text;
    bool lastColumn;
    bool lastRow;
};

// The sub-cells of the record that hold a text or a fill, column by column.
std::vector<SubCell> FilledSubCells(const QRect& cell, const THourElementRecord& record) {
    const auto columns = SplitCellSpan(cell.left(), cell.right(), record.subColumnWidths);
    const auto rows = SplitCellSpan(cell.top(), cell.bottom(), record.subRowHeights);
    std::vector<SubCell> filled;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::string& content = record.text(static_cast<int>(c) + 1, static_cast<int>(r) + 1);
            if (content.empty()) continue;
            filled.push_back({QRect(QPoint(columns[c].first, rows[r].first), QPoint(columns[c].last, rows[r].last)),
                              content, c + 1 == columns.size(), r + 1 == rows.size()});
        }
    }
    return filled;
}

}  // namespace

void PaintHourElement(QPainter& painter, const QRect& cell, const THourElementRecord& record, CellKind kind,
                      const QPalette& palette) {
    painter.save();
    QColor background = kind == CellKind::Header ? palette.color(QPalette::Button) : QColor(Qt::white);
    QColor text = palette.color(QPalette::ButtonText);
    switch (record.state) {
    case CellState::YellowBackground:
        if (kind == CellKind::Data) background = kYellow;
        break;
    case CellState::RedBackground:
        if (kind == CellKind::Data) background = kRed;
        break;
    case CellState::GreenText: text = kGreen; break;
    case CellState::MaroonText: text = kMaroon; break;
    case CellState::Plain: break;
    }
    painter.fillRect(cell, background);

    const auto columns = SplitCellSpan(cell.left(), cell.right(), record.subColumnWidths);
    const auto rows = SplitCellSpan(cell.top(), cell.bottom(), record.subRowHeights);
    painter.setPen(palette.color(QPalette::Button));
    for (std::size_t c = 0; c + 1 < columns.size(); ++c)
        painter.drawLine(columns[c].last + 1, cell.top(), columns[c].last + 1, cell.bottom());
    for (std::size_t r = 0; r + 1 < rows.size(); ++r)
        painter.drawLine(cell.left(), rows[r].last + 1, cell.right(), rows[r].last + 1);

    painter.setPen(text);
    for (const SubCell& sub : FilledSubCells(cell, record)) {
        // A fill covers the separator after it, so neighbouring fills join up.
        if (IsFillCode(sub.text))
            painter.fillRect(sub.rect.adjusted(0, 0, sub.lastColumn ? 0 : 1, sub.lastRow ? 0 : 1), FillOf(sub.text));
        else
            DrawFittedText(painter, sub.rect, QString::fromStdString(sub.text));
    }
    painter.restore();
}

QString CutTextsTip(const QRect& cell, const THourElementRecord& record, const QFontMetrics& metrics) {
    QStringList texts;
    bool cut = false;
    for (const SubCell& sub : FilledSubCells(cell, record)) {
        if (IsFillCode(sub.text)) continue;
        const QString text = QString::fromStdString(sub.text);
        texts << text;
        cut = cut || IsCutToWidth(text, sub.rect.width(), metrics);
    }
    return cut ? texts.join(QLatin1Char('\n')) : QString();
}

}  // namespace lovaris::ui
