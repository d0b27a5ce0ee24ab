#include "TPrepareOptiDlg.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "EngineDialogButtons.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TPrepareOptiDlg::TPrepareOptiDlg(QWidget* workspace, PreparationSetup setup, CountersFill fill)
    : QDialog(workspace, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      edits_(std::move(setup), std::move(fill)) {
    setObjectName(QStringLiteral("prepareDialog"));
    setWindowTitle(QString::fromStdString(CountersCaption(CountersDialog::Preparation, edits_.setup().day)));
    setProperty("helpContext", kHelpTopic);

    klassModel_ = new DialogGridModel(edits_.grid(CountersPage::Klasses), this);
    teacherModel_ = new DialogGridModel(edits_.grid(CountersPage::Teachers), this);
    for (auto [model, page] : {std::pair{klassModel_, CountersPage::Klasses}, std::pair{teacherModel_, CountersPage::Teachers}}) {
        model->setShadeReadOnly(true);
        model->setEditing([this, page](int row, int column) { return edits_.editable(page, row, column); },
                          [this, page](int row, int column, const std::string& typed) {
                              return edits_.EndEdit(page, row, column, typed);
                          });
        connect(model, &DialogGridModel::edited, this, [this] { revert_->setEnabled(edits_.changed()); });
    }
    pages_ = new CountersPages(new DialogGridView(klassModel_, "klassGrid", kHelpTopic),
                               new DialogGridView(teacherModel_, "teacherGrid", kHelpTopic), this);
    pages_->addBelow(CountersPage::Klasses,
                     MakeSwitch("lessonsSwitch", fewestLessons_, mostLessons_, EngineDialogText::FewestLessons,
                                EngineDialogText::MostLessons, edits_.mostLessons()));
    pages_->addBelow(CountersPage::Teachers,
                     MakeSwitch("windowsSwitch", fewestWindows_, mostWindows_, EngineDialogText::FewestWindows,
                                EngineDialogText::MostWindows, edits_.mostWindows()));
    connect(mostLessons_, &QRadioButton::toggled, this, [this](bool on) {
        edits_.SetMostLessons(on);
        refresh();
    });
    connect(mostWindows_, &QRadioButton::toggled, this, [this](bool on) {
        edits_.SetMostWindows(on);
        refresh();
    });

    auto* yes = MakeEngineButton(this, "yesButton", EngineDialogText::YesButton, EngineDialogText::YesHint);
    yes->setDefault(true);
    auto* cancel = MakeEngineButton(this, "cancelButton", EngineDialogText::CancelButton, EngineDialogText::CancelHint);
    revert_ = MakeEngineButton(this, "revertButton", EngineDialogText::RevertButton, EngineDialogText::RevertHint);
    revert_->setEnabled(false);
    auto* help = MakeEngineHelpButton(this, kHelpTopic);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(revert_, &QPushButton::clicked, this, [this] {
        edits_.Revert();  // 0xB0DA once more
        refresh();
        revert_->setEnabled(false);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(EngineButtonRow({yes, cancel, revert_, help}));

    // The cursor starts on the first cell the planner may change.
    for (CountersPage page : {CountersPage::Klasses, CountersPage::Teachers})
        if (const int column = edits_.firstMarkedColumn(page))
            pages_->view(page)->setCurrentGridCell(PreparationEdits::editedRow(page), column);
    SizeGridDialog(this, {view(CountersPage::Klasses), view(CountersPage::Teachers)});
}

TPrepareOptiDlg::~TPrepareOptiDlg() { delete pages_; }

QWidget* TPrepareOptiDlg::MakeSwitch(const char* objectName, QRadioButton*& fewest, QRadioButton*& most,
                                     EngineDialogText fewestText, EngineDialogText mostText, bool mostOn) {
    auto* box = new QWidget(this);
    box->setObjectName(QString::fromLatin1(objectName));
    fewest = new QRadioButton(Res(fewestText), box);
    most = new QRadioButton(Res(mostText), box);
    fewest->setObjectName(QStringLiteral("fewest"));
    most->setObjectName(QStringLiteral("most"));
    (mostOn ? most : fewest)->setChecked(true);
    auto* group = new QButtonGroup(box);
    group->addButton(fewest);
    group->addButton(most);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(fewest);
    row->addWidget(most);
    row->addStretch();
    return box;
}

void TPrepareOptiDlg::refresh() {
    klassModel_->refresh();
    teacherModel_->refresh();
}

void TPrepareOptiDlg::ApplyTo(PlanningSession& session) const {
    ApplyPreparation(session, edits_.grid(CountersPage::Klasses), edits_.grid(CountersPage::Teachers));
}

}  // namespace lovaris::ui
