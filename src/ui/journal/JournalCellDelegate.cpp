#include "JournalCellDelegate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include "core/journal/TZamDataStrings.h"
#include "core/common/JournalTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

JournalCellDelegate::JournalCellDelegate(QStringList subjects, std::function<void(int row)> chooseSubstitute,
                                         QObject* parent)
    : QStyledItemDelegate(parent),
      reasons_({Res(JournalText::ReasonSickLeave), Res(JournalText::ReasonUnpaid), Res(JournalText::ReasonHoliday),
                Res(JournalText::ReasonStudyLeave)}),
      subjects_(std::move(subjects)),
      chooseSubstitute_(std::move(chooseSubstitute)) {}

QWidget* JournalCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    switch (index.column()) {
        case kColReason:
        case kColSubstituteSubject: {
            auto* box = new QComboBox(parent);
            box->setObjectName(index.column() == kColReason ? QStringLiteral("reasonEditor") : QStringLiteral("subjectEditor"));
            box->setEditable(index.column() == kColReason);
            box->addItems(index.column() == kColReason ? reasons_ : subjects_);
            return box;
        }
        case kColSubstitute: {
            // A read-only text and the button that opens the substitute dialog.
            auto* frame = new QWidget(parent);
            frame->setObjectName(QStringLiteral("substituteEditor"));
            frame->setAutoFillBackground(true);
            auto* layout = new QHBoxLayout(frame);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(0);
            auto* text = new QLineEdit(frame);
            text->setReadOnly(true);
            text->setText(index.data().toString());
            auto* button = new QToolButton(frame);
            button->setObjectName(QStringLiteral("substituteButton"));
            button->setText(QStringLiteral("…"));
            layout->addWidget(text, 1);
            layout->addWidget(button);
            const int row = index.row();
            connect(button, &QToolButton::clicked, frame, [this, row] {
                // After the editor has closed: the dialog changes the row under it.
                QTimer::singleShot(0, this, [this, row] { chooseSubstitute_(row); });
            });
            return frame;
        }
        default: return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void JournalCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        const int found = box->findText(text);
        if (found >= 0)
            box->setCurrentIndex(found);
        else if (box->isEditable())
            box->setEditText(text);
        return;
    }
    if (index.column() == kColSubstitute) return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void JournalCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    if (index.column() == kColSubstitute) return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace lovaris::ui
