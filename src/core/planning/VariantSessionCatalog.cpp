#include "VariantSessionCatalog.h"

namespace lovaris {

VariantCatalog MakeVariantCatalog(const TRTIKlassesCollection& klasses, const PlanningRooms& rooms,
                                  int lessonsPerDay) {
    VariantCatalog catalog;
    catalog.lessonsPerDay = lessonsPerDay;
    for (const auto& klass : klasses) {
        VariantClass entry{klass.id, {}};
        for (const auto& lesson : klass.lessonCopies)
            entry.lessons.push_back({lesson.id, lesson.subgroupCount(), lesson.spread});
        catalog.classes.push_back(std::move(entry));
    }
    for (const auto& room : rooms.records()) catalog.roomIds.push_back(room.id);
    return catalog;
}

VariantCatalog MakeVariantCatalog(const PlanningSession& session) {
    return MakeVariantCatalog(session.klasses(), session.rooms(), session.params().lessonsPerDay);
}

}  // namespace lovaris
