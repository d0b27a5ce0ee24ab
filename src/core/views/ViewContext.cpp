#include "ViewContext.h"

namespace lovaris {

const PlanningLesson* ViewContext::lesson(int klass, int lessonIndex) const {
    const auto& klasses = session.klasses();
    if (klass < 0 || klass >= klasses.count()) return nullptr;
    const auto& k = klasses.at(klass);
    return lessonIndex >= 0 && lessonIndex < k.lessonCount() ? &k.lesson(lessonIndex) : nullptr;
}

}  // namespace lovaris
