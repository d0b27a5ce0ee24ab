#include "OptimisationProgress.h"

#include "../common/EngineDialogTexts.h"

namespace lovaris {
namespace {

int VariantCount(const Optimisation& search, int klass) {
    const auto& counts = search.figures().variantsPerClass;
    return klass >= 0 && static_cast<std::size_t>(klass) < counts.size() ? counts[static_cast<std::size_t>(klass)] : 0;
}

// The first position shown: past the leading classes with a single variant, but never
// past the last position.
int FirstShownPosition(const Optimisation& search) {
    const auto& order = search.order();
    int first = 0;
    while (first + 1 < static_cast<int>(order.size()) && VariantCount(search, order[static_cast<std::size_t>(first)]) <= 1)
        ++first;
    return first;
}

template <typename Text>
std::vector<ProgressRow> Rows(const Optimisation& search, const TRTIKlassesCollection& klasses, Text text) {
    std::vector<ProgressRow> rows;
    const auto& order = search.order();
    for (int p = FirstShownPosition(search); p < static_cast<int>(order.size()); ++p) {
        const int klass = order[static_cast<std::size_t>(p)];
        const std::string name = klass >= 0 && klass < klasses.count() ? klasses.at(klass).displayName() : std::string();
        rows.push_back({name, text(p, klass)});
    }
    return rows;
}

}  // namespace

std::string ProgressStageText(int stage, int stages, std::string_view item) {
    std::string text = std::to_string(stage) + LoadResText(EngineDialogText::StageOf) + std::to_string(stages);
    if (!item.empty()) text += LoadResText(EngineDialogText::StepSeparator) + std::string(item);
    return text;
}

std::string CandidateText(int number, int of) {
    return std::to_string(number) + LoadResText(EngineDialogText::CandidateOf) + std::to_string(of);
}

std::vector<ProgressRow> OpeningProgressRows(const Optimisation& search, const TRTIKlassesCollection& klasses) {
    return Rows(search, klasses, [&](int, int klass) { return CandidateText(0, VariantCount(search, klass)); });
}

std::vector<ProgressRow> CurrentProgressRows(const Optimisation& search, const TRTIKlassesCollection& klasses) {
    if (!search.hasSearchTables()) return OpeningProgressRows(search, klasses);
    return Rows(search, klasses, [&](int position, int) {
        return CandidateText(search.currentCandidate(position) + 1, search.openCandidates(position));
    });
}

}  // namespace lovaris
