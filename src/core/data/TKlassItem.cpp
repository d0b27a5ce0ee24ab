#include "TKlassItem.h"

#include <algorithm>

#include "../common/Cp1251.h"
#include "../common/StringTable.h"

namespace lovaris {

std::string TKlassItem::displayName() const { return name.empty() ? LoadResText(TextId::ClassPlaceholder) : name; }

void TKlassItem::setName(std::string_view text) { name = utf8Left(text, kMaxName); }

std::uint8_t TKlassItem::hasProfile(int specialization) const {
    if (specialization == 0) return 1;
    if (specialization < 1 || specialization > 20) return 0;
    return profileFlags[static_cast<std::size_t>(specialization - 1)];
}

void TKlassItem::insertStartingLesson(int lesson) {
    if (lesson < 1 || lesson > 24 || startingLessons.size() >= kMaxStartingLessons) return;
    auto it = std::lower_bound(startingLessons.begin(), startingLessons.end(), lesson);
    if (it != startingLessons.end() && *it == lesson) return;
    startingLessons.insert(it, lesson);
}

void TKlassItem::removeStartingLesson(int lesson) { std::erase(startingLessons, lesson); }

int TKlassItem::startingLessonAt(int n) const {
    return n >= 1 && n <= static_cast<int>(startingLessons.size()) ? startingLessons[static_cast<std::size_t>(n - 1)]
                                                                  : -1;
}

void TKlassItem::appendParallel(std::int32_t klassId) {
    if (klassId < 0 || parallels.size() >= kMaxParallels) return;
    if (std::find(parallels.begin(), parallels.end(), klassId) != parallels.end()) return;
    parallels.push_back(klassId);
}

void TKlassItem::removeParallel(std::int32_t klassId) { std::erase(parallels, klassId); }

std::int32_t TKlassItem::parallelAt(int n) const {
    return n >= 1 && n <= static_cast<int>(parallels.size()) ? parallels[static_cast<std::size_t>(n - 1)] : -1;
}

void TKlassItem::write(ByteWriter& w) const {
    w.i32(id);
    w.cstring(displayName(), 32);
    for (auto f : profileFlags) w.u8(f);
    w.u16(children);
    w.zeros(2);
    w.i32(attachedRoom);
    for (auto b : busy.raw()) w.u8(b);
    for (std::size_t i = 0; i < kMaxStartingLessons + 1; ++i)
        w.u16(i < startingLessons.size() ? static_cast<std::uint16_t>(startingLessons[i]) : 0xFFFF);
    w.zeros(2);
    for (std::size_t i = 0; i < kMaxParallels; ++i) w.i32(i < parallels.size() ? parallels[i] : -1);
    w.i32(stage);
}

TKlassItem TKlassItem::read(ByteReader& r, bool hasStage) {
    TKlassItem k;
    k.id = r.i32();
    k.name = r.cstring(32);
    for (auto& f : k.profileFlags) f = r.u8();
    k.children = r.u16();
    r.skip(2);
    k.attachedRoom = r.i32();
    for (auto& b : k.busy.raw()) b = r.u8();
    for (std::size_t i = 0; i < kMaxStartingLessons + 1; ++i) k.insertStartingLesson(r.u16());
    r.skip(2);
    for (std::size_t i = 0; i < kMaxParallels; ++i) k.appendParallel(r.i32());
    k.stage = hasStage ? r.i32() : 1;
    return k;
}

}  // namespace lovaris
