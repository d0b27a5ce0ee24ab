#pragma once
// "Переместить запись": choose the record after which the current one goes.
#include <QDialog>
#include <QStringList>

class QListWidget;

namespace lovaris::ui {

class TMoveRecDlg : public QDialog {
    Q_OBJECT
public:
    TMoveRecDlg(QWidget* parent, const QStringList& names);
    // The chosen position + 1, or -1 when cancelled.
    static int choose(QWidget* parent, const QStringList& names);
    QListWidget* list() const { return list_; }
    int chosen() const { return chosen_; }

private:
    void confirm();
    QListWidget* list_;
    int chosen_ = -1;
};

}  // namespace lovaris::ui
