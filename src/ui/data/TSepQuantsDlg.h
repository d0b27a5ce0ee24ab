#pragma once
// "Отделить часы": which day blocks of a lesson's spread are planned as a lesson of
// their own, chosen as check marks on the spread values.
#include <QDialog>

#include "core/data/TLessonItem.h"

class QListWidget;

namespace lovaris::ui {

class TSepQuantsDlg : public QDialog {
    Q_OBJECT
public:
    TSepQuantsDlg(TLessonItem& lesson, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    std::vector<bool> checks() const;

private:
    void confirm();

    TLessonItem& lesson_;
    QListWidget* list_;
};

}  // namespace lovaris::ui
