#include "TTeacherItem.h"

#include "../common/Cp1251.h"
#include "../common/StringTable.h"

namespace lovaris {

std::string TTeacherItem::displayName() const {
    return name.empty() ? LoadResText(TextId::TeacherPlaceholder) : name;
}

void TTeacherItem::setName(std::string_view text) { name = utf8Left(text, kMaxName); }

void TTeacherItem::write(ByteWriter& w) const {
    w.i32(id);
    w.cstring(displayName(), 128);
    w.i32(attachedRoom);
    w.i32(freeDays);
    for (auto v : busy.raw()) w.i16(v);
    w.i32(plannedHours);
}

TTeacherItem TTeacherItem::read(ByteReader& r, bool hasPlannedHours) {
    TTeacherItem t;
    t.id = r.i32();
    t.name = r.cstring(128);
    t.attachedRoom = r.i32();
    t.freeDays = r.i32();
    for (auto& v : t.busy.raw()) v = r.i16();
    t.plannedHours = hasPlannedHours ? r.i32() : 0;
    return t;
}

}  // namespace lovaris
