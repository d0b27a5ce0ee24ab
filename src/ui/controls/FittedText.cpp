#include "FittedText.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "core/views/TextFit.h"

namespace lovaris::ui {

QString FitToWidth(const QString& text, int width, const QFontMetrics& metrics) {
    const auto measure = [&metrics](std::string_view s) {
        return metrics.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    };
    return QString::fromStdString(FitText(text.toStdString(), width, measure));
}

bool IsCutToWidth(const QString& text, int width, const QFontMetrics& metrics) {
    return !text.isEmpty() && metrics.horizontalAdvance(text) > width;
}

bool ShowWholeTextTip(const QHelpEvent* event, QWidget* widget, const QRect& area, const QString& whole) {
    if (whole.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), whole, widget, area);
    return true;
}

QRect HeaderSectionRect(const QHeaderView& header, int section) {
    const int start = header.sectionViewportPosition(section);
    return header.orientation() == Qt::Horizontal ? QRect(start, 0, header.sectionSize(section), header.height())
                                                  : QRect(0, start, header.width(), header.sectionSize(section));
}

void DrawFittedText(QPainter& painter, const QRect& rect, const QString& text) {
    if (text.isEmpty()) return;
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, FitToWidth(text, rect.width(), painter.fontMetrics()));
}

}  // namespace lovaris::ui
