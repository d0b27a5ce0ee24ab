#pragma once
// A planning dialog's grid as a table model: row 0 of the grid gives the column
// titles, column 0 the row titles (both shown as headers, so they stay in view),
// the rest are the cells. The grid belongs to the dialog or the core object that
// fills it; the model reads it each time a cell is drawn.
#include <QAbstractTableModel>
#include <functional>
#include <string>

#include "core/views/DialogGrids.h"

namespace lovaris::ui {

class DialogGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Grid coordinates (row and column 0 are the titles).
    using Editable = std::function<bool(int row, int column)>;
    // An edit ended with the typed text; true when it was taken.
    using Commit = std::function<bool(int row, int column, const std::string& typed)>;

    explicit DialogGridModel(const DialogGrid& grid, QObject* parent = nullptr);

    const DialogGrid& grid() const { return grid_; }
    // Cells the editable predicate names may be selected and edited; all others are
    // inert. Without a predicate nothing can be selected.
    void setEditing(Editable editable, Commit commit);
    bool editable(const QModelIndex& index) const;
    // Read-only cells drawn grey ("shaded") rather than white.
    void setShadeReadOnly(bool shade) { shadeReadOnly_ = shade; }
    bool shadeReadOnly() const { return shadeReadOnly_; }
    // A grid without row titles (column 0 left empty) has no separator rows either.
    void setRowTitles(bool titled) { rowTitles_ = titled; }
    // A thin row of the grid's separators.
    bool separator(int modelRow) const;
    // The grid changed behind the model: every cell and title is read again.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void edited();

private:
    int gridColumns() const;

    const DialogGrid& grid_;
    Editable editable_;
    Commit commit_;
    bool shadeReadOnly_ = false;
    bool rowTitles_ = true;
    int rows_ = 0;
    int columns_ = 0;
};

}  // namespace lovaris::ui
