#pragma once
// The week search's progress grid: one row per member started, with its name (and
// " (2)" in the pass without attached rooms), the variants viewed, the improvements,
// the weekly hours and the hours placed so far.
#include <QAbstractTableModel>
#include <QStringList>

namespace lovaris {
class WeekVariantSearch;
struct WeekSearchRow;
}  // namespace lovaris

namespace lovaris::ui {

class WeekSearchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `showParallels`: the improvements column adds the best parallel count.
    WeekSearchModel(const WeekVariantSearch& search, QStringList names, bool showParallels,
                    QObject* parent = nullptr);

    // After a slice: new rows are added, the rest redrawn.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString CellText(const WeekSearchRow& row, int column) const;

    const WeekVariantSearch& search_;
    QStringList names_;
    bool showParallels_;
    int shownRows_ = 0;
};

}  // namespace lovaris::ui
