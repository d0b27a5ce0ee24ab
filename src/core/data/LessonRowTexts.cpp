#include "LessonRowTexts.h"

#include "../common/StringTable.h"

namespace lovaris {
namespace {

template <typename Collection>
std::string referenceText(const Collection& records, std::int32_t id, TextId placeholder) {
    if (id == -1) return LoadResText(TextId::NotSetLong);
    const auto* record = records.findById(id);
    return record ? record->displayName() : LoadResText(placeholder);
}

}  // namespace

std::string ClassRowText(const TKlassesCollection& klasses, std::int32_t id) {
    const auto* klass = klasses.findById(id);
    return klass ? klass->displayName() : LoadResText(TextId::ClassPlaceholder);
}

std::string SubjectRowText(const TSubjectsCollection& subjects, std::int32_t id) {
    return referenceText(subjects, id, TextId::SubjectPlaceholder);
}

std::string TeacherRowText(const TTeachersCollection& teachers, std::int32_t id) {
    return referenceText(teachers, id, TextId::TeacherPlaceholder);
}

std::string RecordNumberText(int number, int subgroup, int subgroupCount) {
    std::string text = std::to_string(number);
    if (subgroupCount > 1) text += '.' + std::to_string(subgroup + 1);
    return text;
}

std::string YesNoText(bool yes) { return LoadResText(yes ? TextId::Yes : TextId::No); }

}  // namespace lovaris
