#pragma once
// A list of entries with check boxes, each carrying a number (a specialization, a
// record ID). Any check change by the user is reported once.
#include <QListWidget>

#include "ListEntries.h"

namespace lovaris::ui {

class CheckList : public QListWidget {
    Q_OBJECT
public:
    explicit CheckList(QWidget* parent = nullptr);
    // Shows the entries in the given order, those whose number is in `checked` checked.
    void setEntries(const ListEntries& entries, const QList<int>& checked);
    void setChecked(const QList<int>& checked);
    // Numbers of the checked entries in list order.
    QList<int> checkedIds() const;

signals:
    void checksChanged();
};

}  // namespace lovaris::ui
