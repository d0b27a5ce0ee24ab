#include "TOptiInfoForm.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/common/EngineDialogTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TOptiInfoForm::TOptiInfoForm(QWidget* workspace, const std::vector<ProgressRow>& opening, ProgressSource current)
    : QDialog(workspace, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      current_(std::move(current)) {
    setObjectName(QStringLiteral("progressTable"));
    setWindowTitle(Res(EngineDialogText::ProgressTableCaption));
    setProperty("helpContext", kHelpTopic);
    setModal(false);

    // Column 0 of the grid holds no titles here: the table shows two columns of data.
    grid_.at(0, 2);
    grid_.at(0, 1).text = LoadResText(EngineDialogText::KlassColumn);
    grid_.at(0, 2).text = LoadResText(EngineDialogText::VariantColumn);
    showRows(opening);
    model_ = new DialogGridModel(grid_, this);
    model_->setRowTitles(false);
    view_ = new DialogGridView(model_, "progressGrid", kHelpTopic, this);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setColumnWidth(0, 110);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { refresh(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_);
    resize(260, std::clamp(view_->wholeSize().height() + 12, 120, 420));

    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TOptiInfoForm::refresh);
    timer_.start();
}

TOptiInfoForm::~TOptiInfoForm() {
    timer_.stop();
    current_ = nullptr;  // the search may be gone already
    delete view_;
    view_ = nullptr;
    model_ = nullptr;
}

void TOptiInfoForm::showRows(const std::vector<ProgressRow>& rows) {
    grid_.rows.resize(rows.size() + 1);
    for (auto& line : grid_.rows) line.resize(3);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        grid_.rows[r + 1][1].text = rows[r].klass;
        grid_.rows[r + 1][2].text = rows[r].variant;
    }
}

void TOptiInfoForm::refresh() {
    if (!current_) return;
    showRows(current_());
    if (model_) model_->refresh();
}

void TOptiInfoForm::Pause(bool resume) {
    if (resume) {
        timer_.start();
        return;
    }
    refresh();
    timer_.stop();
}

void TOptiInfoForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    refresh();
}

void TOptiInfoForm::reject() {}

}  // namespace lovaris::ui
