#include "JournalDialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "JournalWidgets.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

void LayOutListsDialog(QDialog* dialog, std::initializer_list<LabelledList> lists, QLayout* above) {
    auto* columns = new QHBoxLayout;
    for (const auto& [caption, list] : lists) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(Res(caption), dialog);
        label->setBuddy(list);
        column->addWidget(label);
        column->addWidget(list, 1);
        columns->addLayout(column, 1);
    }
    auto* yes = MakeJournalButton(dialog, "yesButton", JournalText::YesButton, JournalText::YesHint);
    yes->setDefault(true);
    QObject::connect(yes, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* cancel = MakeJournalButton(dialog, "cancelButton", JournalText::CancelButton, JournalText::CancelHint);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    buttons->addWidget(MakeJournalHelpButton(dialog));

    auto* layout = new QVBoxLayout(dialog);
    if (above) layout->addLayout(above);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    dialog->resize(560, 360);
}

}  // namespace lovaris::ui
