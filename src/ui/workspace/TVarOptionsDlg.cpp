#include "TVarOptionsDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/common/ShellTexts.h"
#include "core/common/WorkspaceTexts.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"
#include "ui/controls/CommentMemo.h"

namespace lovaris::ui {
namespace {

constexpr int kDialogHelp = 29;

QSpinBox* WeightEdit(QWidget* parent, const char* name, int value) {
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setRange(0, 100);
    edit->setValue(value);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TVarOptionsDlg::TVarOptionsDlg(QWidget* owner, const QString& caption, const VariantOptionsEntry& shown,
                               Confirm confirm)
    : QDialog(owner), confirm_(std::move(confirm)) {
    setObjectName(QStringLiteral("TVarOptionsDlg"));
    setWindowTitle(caption);
    setProperty("helpContext", kDialogHelp);

    comment_ = new CommentMemo(static_cast<int>(VariantOptions::kMaxComment), this);
    comment_->setPlainText(Text(shown.comment));
    maxVariants_ = new QLineEdit(Text(shown.maxVariants), this);
    maxVariants_->setObjectName(QStringLiteral("maxVariantsEdit"));
    maxWindows_ = new QLineEdit(Text(shown.maxWindows), this);
    maxWindows_->setObjectName(QStringLiteral("maxWindowsEdit"));
    for (QLineEdit* edit : {maxVariants_, maxWindows_}) edit->setMaximumWidth(80);
    wishes_ = new QComboBox(this);
    wishes_->setObjectName(QStringLiteral("wishesList"));
    for (const std::string& item : WishesModeEntries()) wishes_->addItem(Text(item));
    wishes_->setCurrentIndex(shown.wishesIndex);

    weights_ = new QGroupBox(Res(WorkspaceText::OptionsWeightsGroup), this);
    weights_->setObjectName(QStringLiteral("weightsGroup"));
    parallel_ = WeightEdit(weights_, "parallelWeightEdit", shown.parallelWeight);
    sanitary_ = WeightEdit(weights_, "sanitaryWeightEdit", shown.sanitaryWeight);
    teacherBusy_ = WeightEdit(weights_, "teacherBusyWeightEdit", shown.teacherBusyWeight);
    auto* weightRows = new QFormLayout(weights_);
    weightRows->addRow(Res(WorkspaceText::OptionsParallelWeightLabel), parallel_);
    weightRows->addRow(Res(WorkspaceText::OptionsSanitaryWeightLabel), sanitary_);
    weightRows->addRow(Res(WorkspaceText::OptionsTeacherBusyWeightLabel), teacherBusy_);
    weights_->hide();  // the weights are kept in the file but not offered

    auto* yes = Button(this, "yesButton", Res(TextId::Yes), Res(ShellText::ParamsConfirmHint));
    yes->setDefault(true);
    auto* cancel = Button(this, "cancelButton", Res(TextId::Cancel), Res(ShellText::CancelHint));
    auto* help = Button(this, "helpButton", Res(ShellText::DialogHelpCaption), Res(ShellText::DialogHelpHint));
    connect(yes, &QPushButton::clicked, this, &TVarOptionsDlg::confirmClicked);
    connect(comment_, &CommentMemo::confirmed, this, &TVarOptionsDlg::confirmClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kDialogHelp); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Res(WorkspaceText::OptionsCommentLabel), this));
    layout->addWidget(comment_);
    auto* numbers = new QFormLayout;
    numbers->addRow(Res(WorkspaceText::OptionsMaxVariantsLabel), maxVariants_);
    numbers->addRow(Res(WorkspaceText::OptionsMaxWindowsLabel), maxWindows_);
    layout->addLayout(numbers);
    layout->addWidget(new QLabel(Res(WorkspaceText::OptionsWishesLabel), this));
    layout->addWidget(wishes_);
    layout->addWidget(weights_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

VariantOptionsEntry TVarOptionsDlg::entry() const {
    VariantOptionsEntry e;
    e.comment = comment_->toPlainText().toStdString();
    e.maxVariants = maxVariants_->text().toStdString();
    e.maxWindows = maxWindows_->text().toStdString();
    e.wishesIndex = wishes_->currentIndex();
    e.parallelWeight = parallel_->value();
    e.sanitaryWeight = sanitary_->value();
    e.teacherBusyWeight = teacherBusy_->value();
    return e;
}

void TVarOptionsDlg::confirmClicked() {
    if (const auto message = confirm_ ? confirm_(entry()) : std::nullopt) {
        ShowMessageText(this, Text(*message));
        return;
    }
    accept();
}

}  // namespace lovaris::ui
