#include "EngineDialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

QPushButton* MakeEngineButton(QWidget* parent, const char* objectName, EngineDialogText caption,
                              EngineDialogText hint) {
    auto* button = new QPushButton(Res(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(Res(hint));
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeEngineHelpButton(QWidget* dialog, int topic) {
    auto* button = MakeEngineButton(dialog, "helpButton", EngineDialogText::HelpButton, EngineDialogText::HelpHint);
    QObject::connect(button, &QPushButton::clicked, dialog, [dialog, topic] { ShowHelpTopic(dialog, topic); });
    return button;
}

QBoxLayout* EngineButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto* button : buttons) row->addWidget(button);
    return row;
}

void LayOutShowingDialog(QDialog* dialog, QWidget* pages, int helpTopic) {
    auto* close = MakeEngineButton(dialog, "closeButton", EngineDialogText::CloseButton, EngineDialogText::CloseHint);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(pages, 1);
    layout->addLayout(EngineButtonRow({close, MakeEngineHelpButton(dialog, helpTopic)}));
}

}  // namespace lovaris::ui
