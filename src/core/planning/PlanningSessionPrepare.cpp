// What a planning window asks of its session when it opens and before its runs.
#include <algorithm>

#include "PlanningSession.h"
#include "../variant/TTableVarItem.h"
#include "../variant/VariantOptions.h"
#include "VariantPlanning.h"
#include "VariantSessionCatalog.h"

namespace lovaris {

SelectedDetail PlanningSession::FirstDetail() const {
    SelectedDetail detail;
    if (klasses_.count() > 0) detail.links = klasses_.BuildLinkSet(0, 0);
    return detail;
}

TTableVarItem PlanningSession::NewVariant() const {
    TTableVarItem variant;
    variant.Create(MakeVariantCatalog(*this));
    return variant;
}

bool PlanningSession::PlansVariant(const TTableVarItem& variant) const {
    const VariantCatalog& catalog = variant.catalog();
    if (!variant.hasGrids() || catalog.lessonsPerDay != params().lessonsPerDay ||
        catalog.classCount() != klasses_.count() || catalog.roomCount() != rooms_.count())
        return false;
    for (int k = 0; k < klasses_.count(); ++k) {
        const auto& copies = klasses_.at(k).lessonCopies;
        const auto& listed = catalog.classes[static_cast<std::size_t>(k)];
        if (listed.id != klasses_.at(k).id || listed.lessons.size() != copies.size()) return false;
        for (std::size_t i = 0; i < copies.size(); ++i)
            if (listed.lessons[i].id != copies[i].id) return false;
    }
    return true;
}

WishesMode WishesModeOf(const VariantOptions& options) {
    return static_cast<WishesMode>(std::clamp<int>(options.wishesMode, static_cast<int>(WishesMode::All),
                                                   static_cast<int>(WishesMode::None)));
}

void PlanningSession::ApplyOptions(const VariantOptions& options) {
    teachers_.wishesMode = WishesModeOf(options);
    state_.parallelWeight = options.parallelWeight / 100.0;
    state_.sanitaryWeight = options.sanitaryWeight / 100.0;
    state_.teacherBusyWeight = options.teacherBusyWeight / 100.0;
}

void PlanningSession::PrepareDayData(VariantPlanning& variant, bool byGroup) {
    variant.CountFreeDays(byGroup);
    klasses_.ComputeDayTargets(variant, state_.currentDay);
}

void PlanningSession::AcceptPreparation(const VariantPlanning& variant, int maxTeacherWindows) {
    for (int t = 0; t < teachers_.count(); ++t)
        teachers_.at(t).maxFree = std::max(variant.TeacherWindowsOnDay(t), maxTeacherWindows);
}

}  // namespace lovaris
