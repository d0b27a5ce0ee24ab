#include "CommentMemo.h"

#include <QKeyEvent>

namespace lovaris::ui {

CommentMemo::CommentMemo(int maxLength, QWidget* parent) : QPlainTextEdit(parent), maxLength_(maxLength) {
    setObjectName(QStringLiteral("commentMemo"));
    setTabChangesFocus(true);
    setFixedHeight(fontMetrics().lineSpacing() * 3 + 12);
    connect(this, &QPlainTextEdit::textChanged, this, &CommentMemo::limitLength);
}

void CommentMemo::limitLength() {
    const QString text = toPlainText();
    if (text.size() <= maxLength_) return;
    const QSignalBlocker quiet(this);
    setPlainText(text.left(maxLength_));
    moveCursor(QTextCursor::End);
}

void CommentMemo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit confirmed();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace lovaris::ui
