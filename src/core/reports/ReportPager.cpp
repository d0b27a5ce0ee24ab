#include "ReportPager.h"

#include <iterator>
#include <utility>

#include "ReportWords.h"

namespace lovaris {
namespace {

int Lines(const std::vector<ReportBand>& bands) {
    int lines = 0;
    for (const auto& b : bands) lines += b.lines;
    return lines;
}

}  // namespace

ReportPager::ReportPager(std::string name, PageOrientation orientation, PageFooter footer) : footer_(std::move(footer)) {
    report_.name = std::move(name);
    report_.orientation = orientation;
}

// The footer keeps two lines free at the bottom of each page.
int ReportPager::capacity() const { return report_.pageLines() - (footer_.any() ? 2 : 0); }

void ReportPager::startPage(bool withHeader) {
    report_.pages.emplace_back();
    used_ = 0;
    if (withHeader) {
        for (const auto& band : pageHeader_) report_.pages.back().bands.push_back(band);
        used_ = Lines(pageHeader_);
    }
    opening_ = used_;
}

void ReportPager::Add(std::vector<ReportBand> bands) {
    const int lines = Lines(bands);
    if (report_.pages.empty() || breakPending_)
        startPage(breakPending_ && breakWithHeader_);
    // What does not fit goes over, unless the page holds nothing else yet.
    else if (used_ + lines > capacity() && used_ > opening_)
        startPage(true);
    breakPending_ = false;
    for (auto& band : bands) report_.pages.back().bands.push_back(std::move(band));
    used_ += lines;
}

void ReportPager::AddBlock(std::vector<ReportBand> bands, std::size_t keep, const std::vector<ReportBand>& repeat) {
    if (Lines(bands) + Lines(repeat) <= capacity() || bands.size() <= keep + 1) {
        Add(std::move(bands));
        return;
    }
    std::vector<ReportBand> running = std::exchange(pageHeader_, repeat);
    Add(std::vector<ReportBand>(std::make_move_iterator(bands.begin()),
                                std::make_move_iterator(bands.begin() + static_cast<std::ptrdiff_t>(keep + 1))));
    for (std::size_t i = keep + 1; i < bands.size(); ++i) Add(std::move(bands[i]));
    pageHeader_ = std::move(running);
}

void ReportPager::BreakPage(bool withHeader) {
    breakPending_ = true;
    breakWithHeader_ = withHeader;
}

Report ReportPager::Finish() {
    if (report_.pages.empty()) startPage(false);
    for (std::size_t i = 0; i < report_.pages.size(); ++i) {
        if (footer_.pageNumber) report_.pages[i].footerLeft = PageNumberText(static_cast<int>(i) + 1);
        report_.pages[i].footerRight = footer_.right;
    }
    return std::move(report_);
}

}  // namespace lovaris
