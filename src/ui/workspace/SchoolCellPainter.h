#pragma once
// Draws one timetable cell from its record: the state's colours, the sub-cells with
// their separator lines, fill codes as coloured sub-cells, and every text centred,
// cut with "…" when it is too wide. The grid, its headers and printed timetables
// draw cells the same way.
#include <QRect>
#include <QString>

#include "core/views/THourElementRecord.h"

class QFontMetrics;
class QPainter;
class QPalette;

namespace lovaris::ui {

enum class CellKind { Data, Header };

void PaintHourElement(QPainter& painter, const QRect& cell, const THourElementRecord& record, CellKind kind,
                      const QPalette& palette);
// Every text of the cell, one a line, when one of them is shown cut; else empty.
QString CutTextsTip(const QRect& cell, const THourElementRecord& record, const QFontMetrics& metrics);

}  // namespace lovaris::ui
