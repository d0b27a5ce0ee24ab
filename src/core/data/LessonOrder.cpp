#include "LessonOrder.h"

#include <algorithm>
#include <map>

#include "../common/TextCompare.h"

namespace lovaris {

std::vector<ClassLessons> LessonsByClass(const Project& project) {
    std::vector<const TKlassItem*> sorted;
    for (const auto& klass : project.klasses) sorted.push_back(&klass);
    std::stable_sort(sorted.begin(), sorted.end(), [](const TKlassItem* a, const TKlassItem* b) {
        return ListTextLess(a->displayName(), b->displayName());
    });

    std::vector<ClassLessons> order;
    std::map<std::int32_t, std::size_t> slotOfClass;
    for (const auto* klass : sorted)
        if (slotOfClass.emplace(klass->id, order.size()).second) order.push_back({klass->id, {}});

    const auto& lessons = project.lessons;
    for (int pos = 0; pos < lessons.count(); ++pos) {
        const std::int32_t klass = lessons.at(pos).klass;
        auto [it, unknown] = slotOfClass.emplace(klass, order.size());
        if (unknown) order.push_back({klass, {}});
        order[it->second].positions.push_back(pos);
    }
    return order;
}

}  // namespace lovaris
