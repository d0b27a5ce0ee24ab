#include "ProjectFile.h"

#include <algorithm>
#include <cstdint>

#include "../common/FileSignature.h"

namespace lovaris {
namespace {

// The collection's next ID: above every ID it holds, so none is handed out twice.
// Nothing when an ID at the top of the range leaves no next one.
template <typename Collection>
std::optional<std::int32_t> nextIdFor(const Collection& records, std::int32_t stored) {
    // An ID at the top of the range leaves nothing to hand out next; a negative
    // nextId would hand out IDs that read as "none".
    const std::int32_t maxId = records.maxId();
    if (maxId == INT32_MAX || stored == INT32_MAX) return std::nullopt;
    return std::max({stored, maxId + 1, std::int32_t{0}});
}

// A section of `count` fixed-size records; fails the reader when the file is short.
template <typename Collection, typename ReadOne>
bool readSection(ByteReader& r, const SectionHeader& header, std::size_t recordSize, Collection& out,
                 ReadOne readOne) {
    if (header.count < 0) return false;
    const auto count = static_cast<std::size_t>(header.count);
    if (recordSize != 0 && count > r.remaining() / recordSize) return false;
    for (std::size_t i = 0; i < count; ++i) {
        ByteReader record = r.sub(recordSize);
        out.append(readOne(record));
        if (record.failed() || r.failed()) return false;
    }
    const auto nextId = nextIdFor(out, header.nextId);
    if (!nextId) return false;
    out.setNextId(*nextId);
    return true;
}

}  // namespace

std::vector<std::uint8_t> SerializeProject(const Project& source) {
    Project project = source;
    project.refreshSectionHeaders();
    ByteWriter w;
    kProjectSignature.write(w);
    project.params.write(w);
    w.padTo(kProjectDataOffset);
    for (const auto& x : project.rooms) x.write(w);
    for (const auto& x : project.subjects) x.write(w);
    for (const auto& x : project.klasses) x.write(w);
    for (const auto& x : project.teachers) x.write(w);
    for (const auto& x : project.lessons) x.write(w);
    return w.take();
}

std::optional<Project> ParseProject(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kProjectHeaderSize) return std::nullopt;
    ByteReader r(bytes);
    const FileSignature sig = FileSignature::read(r);
    if (r.failed() || CompareSignature(sig, kProjectSignature) != 0) return std::nullopt;

    Project project;
    project.params = ProjectParams::read(r);
    if (r.failed()) return std::nullopt;
    if (project.params.lessonsPerDay < 1 || project.params.lessonsPerDay > 24) return std::nullopt;

    r.seek(kProjectDataOffset);
    if (r.failed()) {
        // A project without any record may end right after its header block.
        r = ByteReader(bytes);
        r.seek(bytes.size());
    }
    const bool classesHaveStage = !sig.olderThan(1, 1);
    const bool teachersHaveHours = !sig.olderThan(1, 2);
    const bool lessonsHaveDetach = !sig.olderThan(1, 3);
    const auto& p = project.params;

    if (!readSection(r, p.section(EditorKind::Rooms), TRoomItem::kRecordSize, project.rooms,
                     [](ByteReader& x) { return TRoomItem::read(x); }))
        return std::nullopt;
    if (!readSection(r, p.section(EditorKind::Subjects), TSubjectItem::kRecordSize, project.subjects,
                     [](ByteReader& x) { return TSubjectItem::read(x); }))
        return std::nullopt;
    if (!readSection(r, p.section(EditorKind::Classes),
                     classesHaveStage ? TKlassItem::kRecordSize : TKlassItem::kRecordSizeV10, project.klasses,
                     [&](ByteReader& x) { return TKlassItem::read(x, classesHaveStage); }))
        return std::nullopt;
    if (!readSection(r, p.section(EditorKind::Teachers),
                     teachersHaveHours ? TTeacherItem::kRecordSize : TTeacherItem::kRecordSizeV11,
                     project.teachers, [&](ByteReader& x) { return TTeacherItem::read(x, teachersHaveHours); }))
        return std::nullopt;

    // Lessons have subgroup records of their own after each lesson record, so the
    // section is walked within its announced byte size.
    const auto& lessonHeader = p.section(EditorKind::Lessons);
    if (lessonHeader.count < 0 || lessonHeader.byteSize < 0) return std::nullopt;
    ByteReader section = r.sub(static_cast<std::size_t>(lessonHeader.byteSize));
    if (r.failed()) return std::nullopt;
    const std::size_t lessonSize = lessonsHaveDetach ? TLessonItem::kRecordSize : TLessonItem::kRecordSizeV12;
    for (std::int32_t i = 0; i < lessonHeader.count; ++i) {
        if (section.remaining() < lessonSize) return std::nullopt;
        TLessonItem lesson = TLessonItem::read(section, lessonsHaveDetach);
        if (section.failed()) return std::nullopt;
        project.lessons.append(std::move(lesson));
    }
    if (section.remaining() != 0) return std::nullopt;
    const auto nextLessonId = nextIdFor(project.lessons, lessonHeader.nextId);
    if (!nextLessonId) return std::nullopt;
    project.lessons.setNextId(*nextLessonId);

    project.refreshSectionHeaders();
    return project;
}

}  // namespace lovaris
