#pragma once
// Lays bands out on pages: a band that does not fit the rest of a page starts the
// next one, which then opens with the running page header; a forced break starts a
// page without it. Pages get their footer when the report is finished.
#include <string>
#include <vector>

#include "Report.h"

namespace lovaris {

struct PageFooter {
    bool pageNumber = false;  // "Стр. N" on the left
    std::string right;        // e.g. the product name
    bool any() const { return pageNumber || !right.empty(); }
};

class ReportPager {
public:
    ReportPager(std::string name, PageOrientation orientation, PageFooter footer);

    // What a page begun by an overflow opens with (none by default).
    void SetPageHeader(std::vector<ReportBand> header) { pageHeader_ = std::move(header); }
    // Adds the bands on one page together, starting a new page first when they do not fit.
    void Add(std::vector<ReportBand> bands);
    void Add(ReportBand band) { Add(std::vector<ReportBand>{std::move(band)}); }
    // Bands kept on one page when a page can hold them all; a longer run is laid out
    // band by band, its first `keep` bands staying with the band after them, and each
    // page it runs onto opens with `repeat` instead of the running page header.
    void AddBlock(std::vector<ReportBand> bands, std::size_t keep, const std::vector<ReportBand>& repeat);
    void AddBlock(std::vector<ReportBand> bands, std::size_t keep) {
        AddBlock(std::move(bands), keep, std::vector<ReportBand>(pageHeader_));
    }
    // The next band starts a new page, with the running page header or without it.
    void BreakPage(bool withHeader = false);
    void SetProgressSteps(int steps) { report_.progressSteps = steps; }

    Report Finish();

private:
    int capacity() const;
    void startPage(bool withHeader);

    Report report_;
    PageFooter footer_;
    std::vector<ReportBand> pageHeader_;
    int used_ = 0;
    int opening_ = 0;  // lines of the page's own header
    bool breakPending_ = false;
    bool breakWithHeader_ = false;
};

}  // namespace lovaris
