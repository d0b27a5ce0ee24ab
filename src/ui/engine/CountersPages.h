#pragma once
// The pages "Классы" and "Учителя" of the preparation and control dialogs: a grid on
// each, and below it whatever the dialog adds to that page.
#include <QTabWidget>

#include "DialogGridView.h"
#include "core/views/PreparationEdits.h"

namespace lovaris::ui {

class CountersPages : public QTabWidget {
    Q_OBJECT
public:
    CountersPages(DialogGridView* klasses, DialogGridView* teachers, QWidget* parent);

    DialogGridView* view(CountersPage page) const { return page == CountersPage::Klasses ? klasses_ : teachers_; }
    void addBelow(CountersPage page, QWidget* widget);

private:
    DialogGridView* klasses_;
    DialogGridView* teachers_;
};

}  // namespace lovaris::ui
