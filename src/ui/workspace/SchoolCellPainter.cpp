#include "SchoolCellPainter.h"

#include <QPainter>
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
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::string& content = record.text(static_cast<int>(c) + 1, static_cast<int>(r) + 1);
            if (content.empty()) continue;
            // A fill covers the separator after it, so neighbouring fills join up.
            const bool lastColumn = c + 1 == columns.size();
            const bool lastRow = r + 1 == rows.size();
            QRect sub(QPoint(columns[c].first, rows[r].first), QPoint(columns[c].last, rows[r].last));
            if (IsFillCode(content)) {
                painter.fillRect(sub.adjusted(0, 0, lastColumn ? 0 : 1, lastRow ? 0 : 1), FillOf(content));
                continue;
            }
            DrawFittedText(painter, sub, QString::fromStdString(content));
        }
    }
    painter.restore();
}

}  // namespace lovaris::ui
