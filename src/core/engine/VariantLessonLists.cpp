#include "VariantLessonLists.h"

#include <algorithm>

namespace lovaris {
namespace {

// The parent keeps its spread less one entry of each separated value.
std::vector<int> spreadWithoutSeparated(const TLessonItem& lesson) {
    std::vector<int> spread = lesson.spread();
    for (int value : lesson.separatedHours()) {
        const auto it = std::find(spread.begin(), spread.end(), value);
        if (it != spread.end()) spread.erase(it);
    }
    return spread;
}

}  // namespace

VariantCatalog BuildVariantCatalog(const Project& project) {
    VariantCatalog catalog;
    catalog.lessonsPerDay = project.params.lessonsPerDay;
    for (const auto& klass : project.klasses) {
        VariantClass entry{klass.id, {}};
        for (const auto& lesson : project.lessons) {
            if (lesson.klass != klass.id) continue;
            entry.lessons.push_back({lesson.id, lesson.subgroupCount(), spreadWithoutSeparated(lesson)});
            if (lesson.hasSeparatedHours())
                entry.lessons.push_back(
                    {lesson.id + VariantLesson::kSeparatedIdOffset, lesson.subgroupCount(), lesson.separatedHours()});
        }
        catalog.classes.push_back(std::move(entry));
    }
    for (const auto& room : project.rooms) catalog.roomIds.push_back(room.id);
    return catalog;
}

}  // namespace lovaris
