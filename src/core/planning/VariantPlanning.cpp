#include "VariantPlanning.h"

namespace lovaris {
namespace {

PlacedHour ToPlacedHour(const LessonSlot& slot) {
    if (!slot.occupied()) return {};
    return PlacedHour{slot.prevPosition, slot.lessonIndex, slot.subgroupMask};
}

}  // namespace

VariantPlanning::VariantPlanning(TTableVarItem& variant, PlanningSession& session)
    : VariantPlanning(variant, session.klasses(), session.teachers(), session.rooms(), session.subjects(),
                      session.state()) {}

VariantPlanning::VariantPlanning(TTableVarItem& variant, TRTIKlassesCollection& klasses,
                                 TRTITeachersCollection& teachers, const PlanningRooms& rooms,
                                 const PlanningSubjects& subjects, PlanningState& state)
    : variant_(variant), klasses_(klasses), teachers_(teachers), rooms_(rooms), subjects_(subjects), state_(state) {}

PlacedHour VariantPlanning::CleanHour(int klass, int day, int lesson) const {
    return ToPlacedHour(variant_.GetCleanSlot(klass, day, lesson));
}

PlacedHour VariantPlanning::DraftHour(int klass, int day, int lesson) const {
    return ToPlacedHour(variant_.GetDraftSlot(klass, day, lesson));
}

int VariantPlanning::CountLessonHoursOnDay(int klass, int lesson, int day) const {
    return variant_.CountLessonHoursOnDay(klass, lesson, day);
}

const PlanningLesson* VariantPlanning::lessonAt(int klass, int lessonIndex) const {
    if (klass < 0 || klass >= klasses_.count()) return nullptr;
    const auto& k = klasses_.at(klass);
    return lessonIndex >= 0 && lessonIndex < k.lessonCount() ? &k.lesson(lessonIndex) : nullptr;
}

int VariantPlanning::teacherSubgroup(int klass, int lessonIndex, int teacher) const {
    const PlanningLesson* lesson = lessonAt(klass, lessonIndex);
    if (!lesson || teacher < 0) return -1;
    for (int s = 0; s < lesson->subgroupCount(); ++s)
        if (lesson->subgroups[static_cast<std::size_t>(s)].teacher == teacher) return s;
    return -1;
}

double VariantPlanning::DayLoadOfClass(int klass, int day) const {
    double load = 0.0;
    for (int n = 1; n <= variant_.lessonsPerDay(); ++n)
        for (const LessonSlot& slot : {variant_.GetCleanSlot(klass, day, n), variant_.GetDraftSlot(klass, day, n)}) {
            const PlanningLesson* lesson = slot.occupied() ? lessonAt(klass, slot.lessonIndex) : nullptr;
            if (!lesson || lesson->subgroups.empty()) continue;
            double sum = 0.0;
            for (const auto& sub : lesson->subgroups) sum += subjects_.difficulty(sub.subject);
            load += sum / lesson->subgroupCount();
        }
    return load;
}

}  // namespace lovaris
