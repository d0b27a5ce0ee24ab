#include "DayDraftFill.h"

#include <vector>

#include "BlockDays.h"

namespace lovaris {
namespace {

class DraftFill {
public:
    DraftFill(VariantPlanning& variant, const TRTIKlassesCollection& klasses, const TRTITeachersCollection& teachers,
              int day)
        : variant_(variant), grid_(variant.variant()), klasses_(klasses), teachers_(teachers), day_(day),
          lessonsPerDay_(grid_.lessonsPerDay()) {}

    int run() {
        int blocks = 0;
        for (int k = 0; k < klasses_.count(); ++k)
            for (int l = 0; l < klasses_.at(k).lessonCount(); ++l) blocks += tryLesson(k, l) ? 1 : 0;
        return blocks;
    }

private:
    // The hours of the first spread entry that the lesson's hours on the other days
    // leave free; 0 when none is left.
    int freeEntryHours(int klass, int lesson) const {
        const auto& spread = klasses_.at(klass).lesson(lesson).spread;
        const std::vector<int> days = AssignBlockDays(spread, LessonHoursPerDay(variant_, klass, lesson, day_));
        for (std::size_t e = 0; e < spread.size(); ++e)
            if (days[e] == 0 && spread[e] > 0) return spread[e];
        return 0;
    }

    int classHours(int klass) const {
        const ClassLessonCounts counts = grid_.CountClassLessons(klass, day_);
        return counts.clean + counts.draft + klasses_.at(klass).blockedPerDay[static_cast<std::size_t>(day_)];
    }

    int teacherHours(int teacher) const {
        return variant_.CountTeacherCleanLessons(teacher, day_) + variant_.CountTeacherDraftLessons(teacher, day_) +
               teachers_.ClosedHoursOnDay(teacher, day_);
    }

    bool tryLesson(int klass, int lesson) {
        const LinkSet links = klasses_.BuildLinkSet(klass, lesson);
        for (const LessonRef& ref : links.klassLessons) {
            // A linked block is placed from the first of its classes.
            if (ref.owner < klass) return false;
            if (grid_.CountLessonHoursOnDay(ref.owner, ref.lesson, day_) > 0) return false;
        }
        const int hours = freeEntryHours(klass, lesson);
        if (hours == 0) return false;
        for (const LessonRef& ref : links.klassLessons)
            if (classHours(ref.owner) + hours > lessonsPerDay_) return false;
        for (const LessonRef& ref : links.teacherCopies)
            if (teacherHours(ref.owner) + hours > lessonsPerDay_) return false;
        return variant_.PlaceLinkedLesson(klass, lesson, true, day_, 0, hours);
    }

    VariantPlanning& variant_;
    TTableVarItem& grid_;
    const TRTIKlassesCollection& klasses_;
    const TRTITeachersCollection& teachers_;
    int day_;
    int lessonsPerDay_;
};

}  // namespace

int FillDayDraft(const PlanningSession& session, VariantPlanning& variant, int day) {
    return DraftFill(variant, session.klasses(), session.teachers(), day).run();
}

}  // namespace lovaris
