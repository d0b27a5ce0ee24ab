#pragma once
// A text drawn centred in a cell, cut and ended with "…" when it is too wide: the
// timetable grid, the planning dialogs' grids and their titles all cut texts the same way.
#include <QRect>
#include <QString>

class QFontMetrics;
class QHeaderView;
class QHelpEvent;
class QPainter;
class QWidget;

namespace lovaris::ui {

// The longest cut of the text, ended with "…", that fits the width; the text itself when it fits.
QString FitToWidth(const QString& text, int width, const QFontMetrics& metrics);
// Centred in the rectangle, on one line, in the painter's font and pen.
void DrawFittedText(QPainter& painter, const QRect& rect, const QString& text);
// True when the text is shown cut in that width.
bool IsCutToWidth(const QString& text, int width, const QFontMetrics& metrics);

// A cut cell tells its whole text as a tooltip over `area` (in `widget`'s coordinates);
// `whole` empty: nothing is cut there and no tooltip shows. Always handles the event.
bool ShowWholeTextTip(const QHelpEvent* event, QWidget* widget, const QRect& area, const QString& whole);
// A section's rectangle in the header's viewport.
QRect HeaderSectionRect(const QHeaderView& header, int section);

}  // namespace lovaris::ui
