#pragma once
// The page preview inside the print dialogs: the report's A4 pages drawn by the
// report painter, with zoom and page turning. The same painter prints the pages.
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/reports/Report.h"

class QPrintPreviewWidget;

namespace lovaris::ui {

// The preview's commands, by the numbers the dialogs' buttons carry as their tags.
enum PreviewCommand : int {
    kZoomWidth = 2,
    kZoomPage = 3,
    kZoom100 = 4,
    kPrintSetup = 5,
    kPrintNow = 6,
    kPreviousPage = 7,
    kNextPage = 8,
};

class ReportPreview : public QWidget {
    Q_OBJECT
public:
    ReportPreview(Report report, QWidget* parent);
    ~ReportPreview() override;

    const Report& report() const { return report_; }
    QPrintPreviewWidget* view() const { return view_; }
    int currentPage() const;
    int pageCount() const;

    void ZoomToWidth();
    void ZoomToPage();
    void Zoom100();
    void PreviousPage();
    void NextPage();

private:
    void paintPages(QPrinter* printer);

    Report report_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* view_;
};

// Prints the report on the printer as it is set (pages from..to, 0: all).
bool PrintReportOn(const Report& report, QPrinter& printer, const std::function<void(int page)>& pageDone = {});

}  // namespace lovaris::ui
