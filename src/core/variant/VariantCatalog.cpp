#include "VariantCatalog.h"

namespace lovaris {

int VariantCatalog::lessonIndexOfId(int klass, std::int32_t lessonId) const {
    if (klass < 0 || klass >= classCount()) return -1;
    const auto& lessons = classes[static_cast<std::size_t>(klass)].lessons;
    for (std::size_t i = 0; i < lessons.size(); ++i)
        if (lessons[i].id == lessonId) return static_cast<int>(i);
    return -1;
}

int VariantCatalog::roomIndexOfId(std::int32_t roomId) const {
    for (std::size_t i = 0; i < roomIds.size(); ++i)
        if (roomIds[i] == roomId) return static_cast<int>(i);
    return -1;
}

int VariantCatalog::subgroupCount(int klass, int lessonIndex) const {
    if (klass < 0 || klass >= classCount() || lessonIndex < 0) return 0;
    const auto& lessons = classes[static_cast<std::size_t>(klass)].lessons;
    if (static_cast<std::size_t>(lessonIndex) >= lessons.size()) return 0;
    return lessons[static_cast<std::size_t>(lessonIndex)].subgroupCount;
}

}  // namespace lovaris
