#pragma once
// The read-only lists of the link and find dialogs: one row of column texts per
// lesson subgroup, as the core builds them.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class QTableView;

namespace lovaris::ui {

class LessonRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LessonRowsModel(QStringList headers, QObject* parent = nullptr);

    void setRows(std::vector<QStringList> rows);
    void setCell(int row, int column, const QString& text);
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList headers_;
    std::vector<QStringList> rows_;
};

// A list over the model: whole-row selection, not editable, columns sized to their texts.
QTableView* MakeLessonRowsView(QWidget* parent, const char* objectName, int helpContext, LessonRowsModel* model);
// The width that shows every column whole, within the screen's reach.
int LessonRowsViewWidth(const QTableView* view);
// Selects the row and brings it into view; nothing for -1.
void SelectLessonRow(QTableView* view, int row);
// The selected row or -1.
int SelectedLessonRow(const QTableView* view);

}  // namespace lovaris::ui
