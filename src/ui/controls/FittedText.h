#pragma once
// A text drawn centred in a cell, cut and ended with "…" when it is too wide: the
// timetable grid, the planning dialogs' grids and their titles all cut texts the same way.
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace lovaris::ui {

// The longest cut of the text, ended with "…", that fits the width; the text itself when it fits.
QString FitToWidth(const QString& text, int width, const QFontMetrics& metrics);
// Centred in the rectangle, on one line, in the painter's font and pen.
void DrawFittedText(QPainter& painter, const QRect& rect, const QString& text);

}  // namespace lovaris::ui
