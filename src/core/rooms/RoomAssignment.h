#pragma once
// Room assignment for the selected day: every subgroup of the day's clean copy that
// needs a room is given one, teachers' attached rooms first, then rooms of the
// subjects' specialisations, then any room that hosts the subject.
#include <optional>

#include "../planning/PlanningSession.h"
#include "RoomAssignmentQuestion.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

enum class RoomAssignmentEnd {
    Finished,
    EndedByQuestion,  // a question was answered "Нет"
};

struct RoomAssignmentOutcome {
    RoomAssignmentEnd end = RoomAssignmentEnd::Finished;
    std::optional<RoomQuestionKind> endingQuestion;
    // False only when the too-few-rooms question was declined: then nothing was touched.
    bool variantChanged = true;
};

// Assigns rooms for the session's currentDay, walking teachers in the rows of the
// session's current teacher groups (the day-mode groups the session builds on a day
// change). The day's rooms are cleared first; a run ended by a question keeps the
// rooms given until then. Marks the variant modified unless nothing was touched.
RoomAssignmentOutcome AssignRooms(PlanningSession& session, TTableVarItem& variant, RoomQuestionSink& questions);

}  // namespace lovaris
