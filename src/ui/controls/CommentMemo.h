#pragma once
// The one-line comment memo of the parameters and options dialogs: at most
// `maxLength` characters, three lines high so a long comment wraps into view, and
// Enter confirms the dialog instead of starting a new line.
#include <QPlainTextEdit>

namespace lovaris::ui {

class CommentMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    CommentMemo(int maxLength, QWidget* parent);

signals:
    // Enter was pressed: the dialog's "Да".
    void confirmed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void limitLength();
    int maxLength_;
};

}  // namespace lovaris::ui
