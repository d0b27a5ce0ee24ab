#include "Project.h"

namespace lovaris {

void Project::refreshSectionHeaders() {
    auto set = [this](EditorKind kind, int count, std::int32_t nextId) {
        auto& s = params.section(kind);
        s.count = count;
        s.nextId = nextId;
    };
    set(EditorKind::Rooms, rooms.count(), rooms.nextId());
    set(EditorKind::Subjects, subjects.count(), subjects.nextId());
    set(EditorKind::Classes, klasses.count(), klasses.nextId());
    set(EditorKind::Teachers, teachers.count(), teachers.nextId());
    set(EditorKind::Lessons, lessons.count(), lessons.nextId());
    std::size_t bytes = 0;
    for (const auto& l : lessons) bytes += l.fileSize();
    params.section(EditorKind::Lessons).byteSize = static_cast<std::int32_t>(bytes);
}

}  // namespace lovaris
