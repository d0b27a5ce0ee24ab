#pragma once
// The in-place editors of the journal grid: the reasons in an editable drop-down,
// the project's subjects in a pick-only one, the note as free text, and the
// substitute as a read-only text whose button opens the substitute dialog.
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

namespace lovaris::ui {

class JournalCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    JournalCellDelegate(QStringList subjects, std::function<void(int row)> chooseSubstitute, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList reasons_;
    QStringList subjects_;
    std::function<void(int row)> chooseSubstitute_;
};

}  // namespace lovaris::ui
