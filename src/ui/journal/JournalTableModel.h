#pragma once
// The journal window's grid over the shown day: nine columns, one row per journal
// row; the reason, the substitution subject and the note are edited in place, the
// substitute through its dialog.
#include <QAbstractTableModel>

#include "core/journal/JournalDayModel.h"

namespace lovaris::ui {

class JournalTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    JournalTableModel(JournalDayModel& day, QObject* parent);

    JournalDayModel& day() { return day_; }
    // After the day's rows changed outside the grid.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The typed text was not taken: `message` says why, `typed` is what the planner typed.
    void editRefused(const QModelIndex& index, const QString& typed, const QString& message);

private:
    JournalDayModel& day_;
};

}  // namespace lovaris::ui
