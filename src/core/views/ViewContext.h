#pragma once
// What the timetable views and the planning dialogs read: the planning session's
// copies, the variant as planning sees it (its selected day is the day shown) and the
// variant's options. The planning window owns all three and hands them over by
// reference; nothing here is kept between calls.
#include "../planning/PlanningSession.h"
#include "../planning/VariantPlanning.h"
#include "../variant/VariantOptions.h"

namespace lovaris {

// The five views of a variant, in the order of their tabs.
enum class ViewKind { Klasses, Teachers, KlassesDraft, TeachersDraft, Rooms };

struct ViewContext {
    const PlanningSession& session;
    const VariantPlanning& planning;
    const VariantOptions& options;

    const TTableVarItem& grids() const { return planning.variant(); }
    int day() const { return planning.selectedDay(); }
    int lessonsPerDay() const { return session.params().lessonsPerDay; }
    WishesMode wishesMode() const { return WishesModeOf(options); }
    // The lesson a slot names, or none when the index is past the class's list.
    const PlanningLesson* lesson(int klass, int lessonIndex) const;
};

}  // namespace lovaris
