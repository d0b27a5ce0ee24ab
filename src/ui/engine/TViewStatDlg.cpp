#include "TViewStatDlg.h"

#include <QHeaderView>
#include <QLocale>
#include <QTabWidget>
#include <QVBoxLayout>

#include "EngineDialogButtons.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TViewStatDlg::TViewStatDlg(QWidget* workspace, int klassCount, const LoadFill& fill, const QualityFill& quality)
    : QDialog(workspace, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("statisticsDialog"));
    setWindowTitle(Res(EngineDialogText::StatisticsCaption));
    setProperty("helpContext", kHelpTopic);

    // One row per class below the weekdays Monday..Saturday, as the system names them.
    loads_.at(std::max(klassCount, 0), 6);
    for (int d = 1; d <= 6; ++d) loads_.at(0, d).text = QLocale().dayName(d, QLocale::ShortFormat).toStdString();
    if (fill) fill(loads_);

    view_ = new DialogGridView(new DialogGridModel(loads_, this), "loadGrid", kHelpTopic);
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(view_);
    auto* pages = new QTabWidget(this);
    pages_ = pages;
    pages->addTab(page, Res(EngineDialogText::LoadPage));
    if (quality) {
        quality(figures_);
        qualityView_ = new DialogGridView(new DialogGridModel(figures_, this), "qualityGrid", kHelpTopic);
        auto* qualityPage = new QWidget;
        auto* qualityLayout = new QVBoxLayout(qualityPage);
        qualityLayout->addWidget(qualityView_);
        pages->addTab(qualityPage, Res(EngineDialogText::QualityPage));
    }

    LayOutShowingDialog(this, pages, kHelpTopic);
    view_->fitToTexts(64);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);  // the days share the width
    if (qualityView_) {
        qualityView_->fitToTexts(64, 420);
        SizeGridDialog(this, {view_, qualityView_});
        qualityView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);  // the values
    } else {
        SizeGridDialog(this, {view_});
    }
}

TViewStatDlg::~TViewStatDlg() { delete pages_; }

}  // namespace lovaris::ui
