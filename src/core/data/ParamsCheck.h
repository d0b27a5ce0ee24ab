#pragma once
// The confirm checks of the parameters dialog.
#include <optional>
#include <string>

#include "../common/StringTable.h"
#include "ProjectParams.h"

namespace lovaris {

// The dialog's fields as the user typed them.
struct ParamsEntry {
    std::string comment;
    std::string lessonsPerDay;
    std::string shiftStarts;
    std::string classMinLessons;
    std::string teacherMinLessons;
};

// The fields of a record as the dialog shows them.
ParamsEntry ParamsEntryFrom(const ProjectParams& params);
// The memo's text when the description is empty: two lines of hint.
std::string ParamsCommentHint();

// Checks the fields in the dialog's order and stores them into `params` only when
// every one passes; otherwise `params` is untouched and the failed check's message
// is returned.
std::optional<TextId> ConfirmProjectParams(const ParamsEntry& entry, ProjectParams& params);

// "1,9" -> {1, 9}: strictly ascending, at most 24 numbers, at least one.
std::optional<std::vector<int>> ParseShiftStarts(std::string_view text);

}  // namespace lovaris
