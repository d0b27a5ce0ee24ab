#include "ProjectParams.h"

namespace lovaris {

std::vector<int> ProjectParams::shiftStartList() const {
    std::vector<int> list;
    for (auto v : shiftStarts) {
        if (v == 0) break;
        list.push_back(v);
    }
    return list;
}

void ProjectParams::write(ByteWriter& w) const {
    const std::size_t start = w.size();
    w.cstring(description, 82);
    w.u16(lessonsPerDay);
    for (auto v : shiftStarts) w.u16(v);
    w.u16(classMinLessons);
    w.u16(teacherMinLessons);
    w.u16(reservedWord);
    w.u8(reservedFlag);
    w.zeros(3);
    for (auto s : windowStates) w.i32(s);
    for (int k = 0; k < kEditorKinds; ++k) {
        const auto& s = sections[static_cast<std::size_t>(k)];
        w.i32(s.count);
        w.i32(s.nextId);
        if (k == static_cast<int>(EditorKind::Lessons)) w.i32(s.byteSize);
    }
    w.padTo(start + kSize);
}

ProjectParams ProjectParams::read(ByteReader& r) {
    ProjectParams p;
    p.description = r.cstring(82);
    p.lessonsPerDay = r.u16();
    for (auto& v : p.shiftStarts) v = r.u16();
    p.classMinLessons = r.u16();
    p.teacherMinLessons = r.u16();
    p.reservedWord = r.u16();
    p.reservedFlag = r.u8();
    r.skip(3);
    for (auto& s : p.windowStates) s = r.i32();
    for (int k = 0; k < kEditorKinds; ++k) {
        auto& s = p.sections[static_cast<std::size_t>(k)];
        s.count = r.i32();
        s.nextId = r.i32();
        if (k == static_cast<int>(EditorKind::Lessons)) s.byteSize = r.i32();
    }
    return p;
}

}  // namespace lovaris
