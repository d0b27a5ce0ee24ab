#include "ParamsCheck.h"

#include "../common/Cp1251.h"
#include "../common/NumberText.h"
#include "EditorParsers.h"

namespace lovaris {
namespace {

std::optional<int> inRange(std::string_view text, int low, int high) {
    const auto v = ParseDecimal(text);
    if (!v || *v < low || *v > high) return std::nullopt;
    return static_cast<int>(*v);
}

}  // namespace

ParamsEntry ParamsEntryFrom(const ProjectParams& params) {
    ParamsEntry e;
    e.comment = params.description.empty() ? ParamsCommentHint() : params.description;
    e.lessonsPerDay = std::to_string(params.lessonsPerDay);
    e.shiftStarts = JoinNumbers(params.shiftStartList());
    e.classMinLessons = std::to_string(params.classMinLessons);
    e.teacherMinLessons = std::to_string(params.teacherMinLessons);
    return e;
}

std::string ParamsCommentHint() {
    return LoadResText(TextId::ParamsCommentHintLine1) + "\r\n" + LoadResText(TextId::ParamsCommentHintLine2);
}

std::optional<std::vector<int>> ParseShiftStarts(std::string_view text) {
    const auto numbers = ExtractNumbers(text);
    if (numbers.empty() || numbers.size() > ProjectParams::kMaxShiftStarts) return std::nullopt;
    for (std::size_t i = 1; i < numbers.size(); ++i)
        if (numbers[i] <= numbers[i - 1]) return std::nullopt;
    return numbers;
}

std::optional<TextId> ConfirmProjectParams(const ParamsEntry& entry, ProjectParams& params) {
    ProjectParams checked = params;

    std::string comment = entry.comment;
    for (char& c : comment)
        if (c == '\r' || c == '\n') c = ' ';
    checked.description = utf8Left(comment, ProjectParams::kMaxDescription);

    const auto lessons = inRange(entry.lessonsPerDay, 1, 24);
    if (!lessons) return TextId::ParamsLessonsPerDayError;
    checked.lessonsPerDay = static_cast<std::uint16_t>(*lessons);

    const auto classMin = inRange(entry.classMinLessons, 1, *lessons);
    if (!classMin) return TextId::ParamsClassMinError;
    checked.classMinLessons = static_cast<std::uint16_t>(*classMin);

    const auto teacherMin = inRange(entry.teacherMinLessons, 1, *lessons);
    if (!teacherMin) return TextId::ParamsTeacherMinError;
    checked.teacherMinLessons = static_cast<std::uint16_t>(*teacherMin);

    const auto shifts = ParseShiftStarts(entry.shiftStarts);
    if (!shifts) return TextId::ParamsShiftStartsError;
    // Entries after the terminating 0 keep what they held, as they always have.
    for (std::size_t i = 0; i < shifts->size(); ++i) checked.shiftStarts[i] = static_cast<std::uint16_t>((*shifts)[i]);
    checked.shiftStarts[shifts->size()] = 0;

    params = checked;
    return std::nullopt;
}

}  // namespace lovaris
