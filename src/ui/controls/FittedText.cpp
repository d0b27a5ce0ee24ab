#include "FittedText.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/views/TextFit.h"

namespace lovaris::ui {

QString FitToWidth(const QString& text, int width, const QFontMetrics& metrics) {
    const auto measure = [&metrics](std::string_view s) {
        return metrics.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    };
    return QString::fromStdString(FitText(text.toStdString(), width, measure));
}

void DrawFittedText(QPainter& painter, const QRect& rect, const QString& text) {
    if (text.isEmpty()) return;
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, FitToWidth(text, rect.width(), painter.fontMetrics()));
}

}  // namespace lovaris::ui
