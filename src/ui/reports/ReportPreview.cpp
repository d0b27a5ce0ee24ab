#include "ReportPreview.h"

#include <QPrintPreviewWidget>
#include <QVBoxLayout>

#include "render/ReportRenderer.h"

namespace lovaris::ui {

ReportPreview::ReportPreview(Report report, QWidget* parent)
    : QWidget(parent), report_(std::move(report)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("TPrnPreview"));
    printer_->setPageLayout(ReportPageLayout(report_));
    view_ = new QPrintPreviewWidget(printer_.get(), this);
    view_->setObjectName(QStringLiteral("previewView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    view_->fitToWidth();
    view_->updatePreview();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::paintPages(QPrinter* printer) { ReportRenderer(report_).Paint(*printer); }

int ReportPreview::currentPage() const { return view_->currentPage(); }
int ReportPreview::pageCount() const { return view_->pageCount(); }

void ReportPreview::ZoomToWidth() { view_->fitToWidth(); }
void ReportPreview::ZoomToPage() { view_->fitInView(); }
void ReportPreview::Zoom100() {
    view_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    view_->setZoomFactor(1.0);
}
void ReportPreview::PreviousPage() { view_->setCurrentPage(std::max(1, currentPage() - 1)); }
void ReportPreview::NextPage() { view_->setCurrentPage(std::min(pageCount(), currentPage() + 1)); }

bool PrintReportOn(const Report& report, QPrinter& printer, const std::function<void(int page)>& pageDone) {
    const bool range = printer.printRange() == QPrinter::PageRange;
    return ReportRenderer(report).Paint(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0,
                                        pageDone);
}

}  // namespace lovaris::ui
