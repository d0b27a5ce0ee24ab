#include "TWeekVarsDlg.h"

#include "core/workspace/WeekSearchRun.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "FittedTextDelegate.h"
#include "WeekSearchModel.h"
#include "core/common/GroupDialogTexts.h"
#include "core/common/ShellTexts.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

using X = GroupDialogText;
constexpr int kDialogHelp = 550;

}  // namespace

TWeekVarsDlg::TWeekVarsDlg(QWidget* owner, VariantWorkspace& workspace, SliceLimit slice)
    : QDialog(owner), run_(std::make_unique<WeekSearchRun>(workspace, slice)) {
    setObjectName(QStringLiteral("TWeekVarsDlg"));
    setWindowTitle(Res(X::WeekSearchCaption));
    setProperty("helpContext", kDialogHelp);

    model_ = new WeekSearchModel(run_->search(), TeacherNames(workspace), workspace.state().considerParallels, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("TchCrpGrid"));
    grid_->setProperty("helpContext", 551);
    grid_->setModel(model_);
    grid_->setItemDelegate(new FittedTextDelegate(grid_));
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setMinimumSize(640, 260);

    done_ = DialogButton(this, "OKButton", Res(X::DoneButton), Res(X::DoneHint), 552);
    done_->setEnabled(false);
    abort_ = DialogButton(this, "AbortBtn", Res(X::AbortButton), Res(X::AbortHint), 554);
    next_ = DialogButton(this, "EnoughBtn", Res(X::NextTeacherButton), Res(X::NextTeacherHint), 553);
    auto* help = DialogButton(this, "HelpBtn", Res(ShellText::DialogHelpCaption), Res(ShellText::DialogHelpHint), 555);
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort_, &QPushButton::clicked, this, &TWeekVarsDlg::reject);
    connect(next_, &QPushButton::clicked, this, [this] { run_->NextTeacher(); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kDialogHelp); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(next_);
    buttons->addStretch();
    for (QPushButton* b : {done_, abort_, help}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    // Each slice is queued behind the window's own events.
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &TWeekVarsDlg::Step);
}

TWeekVarsDlg::~TWeekVarsDlg() = default;

int TWeekVarsDlg::memberCount() const { return run_->search().memberCount(); }

bool TWeekVarsDlg::over() const { return run_->over(); }

void TWeekVarsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The first member starts once the window is on screen.
    if (!run_->over()) slices_.start();
}

void TWeekVarsDlg::Step() {
    const WeekSearchEvent event = run_->Resume();
    model_->Refresh();
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(model_->rowCount() - 1, 1));
    if (event == WeekSearchEvent::Ended) Finish();
    if (event == WeekSearchEvent::Aborted) reject();
}

void TWeekVarsDlg::Finish() {
    slices_.stop();
    next_->setEnabled(false);
    abort_->setEnabled(false);
    done_->setEnabled(true);
    done_->setFocus();
}

void TWeekVarsDlg::reject() {
    slices_.stop();
    if (!run_->over()) {
        run_->Abort();
        // The abort is seen at the search's next step: a short call.
        while (!run_->over()) run_->Resume();
        model_->Refresh();
    }
    QDialog::reject();
}

void RunWeekVarsDialog(QWidget* owner, VariantWorkspace& workspace) {
    TWeekVarsDlg dialog(owner, workspace);
    dialog.exec();
}

}  // namespace lovaris::ui
