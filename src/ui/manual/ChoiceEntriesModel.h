#pragma once
// The rows of one tab of a lesson choice popup: "Предмет" and "Часы", a grey row for
// one that cannot be placed. The model reads the popup's entries each time a cell is
// drawn, so a size stepped on "Общие" is judged at once.
#include <QAbstractTableModel>

#include "core/manual/LessonChoice.h"

namespace lovaris::ui {

class ChoiceEntriesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChoiceEntriesModel(const LessonChoice& choice, QObject* parent);

    void showTab(int tab);
    int tab() const { return tab_; }
    bool commonTab() const;
    const ChoiceEntry* entry(int row) const { return choice_.entry(tab_, row); }
    void rowChanged(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const LessonChoice& choice_;
    int tab_ = 0;
};

}  // namespace lovaris::ui
