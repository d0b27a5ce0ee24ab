#include "TLessonItem.h"

#include <algorithm>

#include "../common/Cp1251.h"

namespace lovaris {

void TLessonSubItem::addLink(LessonLink link) {
    if (link.lessonId < 0 || links.size() >= kMaxLinks) return;
    if (std::find(links.begin(), links.end(), link) != links.end()) return;
    links.push_back(link);
}

void TLessonSubItem::removeLink(LessonLink link) { std::erase(links, link); }

LessonLink TLessonSubItem::linkAt(int n) const {
    return n >= 1 && n <= static_cast<int>(links.size()) ? links[static_cast<std::size_t>(n - 1)] : LessonLink{};
}

bool TLessonSubItem::hasLinkTo(std::int32_t lessonId, std::int32_t subgroup) const {
    return std::find(links.begin(), links.end(), LessonLink{lessonId, subgroup}) != links.end();
}

void TLessonSubItem::setFictiveRoom(std::string_view text) { fictiveRoom = utf8Left(text, kMaxFictiveRoom); }

void TLessonSubItem::write(ByteWriter& w) const {
    w.i32(subject);
    w.i32(teacher);
    w.u16(children);
    w.zeros(2);
    for (std::size_t i = 0; i < kMaxLinks; ++i) {
        if (i < links.size()) {
            w.i32(links[i].lessonId);
            w.i32(links[i].subgroup);
        } else {
            w.i32(-1);
            w.i32(-1);
        }
    }
    w.cstring(fictiveRoom, 32);
}

TLessonSubItem TLessonSubItem::read(ByteReader& r) {
    TLessonSubItem s;
    s.subject = r.i32();
    s.teacher = r.i32();
    s.children = r.u16();
    r.skip(2);
    for (std::size_t i = 0; i < kMaxLinks; ++i) {
        LessonLink link;
        link.lessonId = r.i32();
        link.subgroup = r.i32();
        s.addLink(link);
    }
    s.fictiveRoom = r.cstring(32);
    return s;
}

std::vector<int> TLessonItem::spread() const {
    std::vector<int> values;
    for (auto v : hourEntries) {
        if (v == 0) break;
        values.push_back(v);
    }
    return values;
}

std::vector<int> TLessonItem::separatedHours() const {
    std::vector<int> values;
    for (std::size_t i = kHourEntries; i-- > 0;) {
        if (hourEntries[i] == 0) break;
        values.push_back(hourEntries[i]);
    }
    return values;
}

int TLessonItem::weeklyHours() const {
    int sum = 0;
    for (int v : spread()) sum += v;
    return sum;
}

void TLessonItem::storeHourLists(const std::vector<int>& spreadValues, const std::vector<int>& separatedValues) {
    hourEntries.fill(0);
    for (std::size_t i = 0; i < spreadValues.size(); ++i) hourEntries[i] = static_cast<std::uint16_t>(spreadValues[i]);
    for (std::size_t i = 0; i < separatedValues.size(); ++i)
        hourEntries[kHourEntries - 1 - i] = static_cast<std::uint16_t>(separatedValues[i]);
}

bool TLessonItem::setSpread(const std::vector<int>& values) {
    const auto separated = separatedHours();
    if (!hourListsFit(values.size(), separated.size())) return false;
    storeHourLists(values, separated);
    return true;
}

bool TLessonItem::setSeparatedHours(const std::vector<int>& valuesFromEntry21) {
    const auto front = spread();
    if (!hourListsFit(front.size(), valuesFromEntry21.size())) return false;
    storeHourLists(front, valuesFromEntry21);
    return true;
}

void TLessonItem::setSubgroupCount(int n) {
    n = std::clamp(n, 1, kMaxSubgroups);
    subgroups.assign(static_cast<std::size_t>(n), TLessonSubItem{});
}

TLessonItem TLessonItem::copyAs(std::int32_t newId) const {
    TLessonItem copy = *this;
    copy.id = newId;
    return copy;
}

void TLessonItem::write(ByteWriter& w) const {
    w.i32(id);
    w.u16(static_cast<std::uint16_t>(subgroups.size()));
    w.zeros(2);
    w.i32(klass);
    for (auto v : hourEntries) w.u16(v);
    for (auto b : busy.raw()) w.u8(b);
    w.zeros(2);
    w.i32(noAttachedRoom ? 1 : 0);
    for (const auto& sub : subgroups) sub.write(w);
}

TLessonItem TLessonItem::read(ByteReader& r, bool hasNoAttachedRoom) {
    TLessonItem lesson;
    lesson.id = r.i32();
    const std::uint16_t n = r.u16();
    r.skip(2);
    lesson.klass = r.i32();
    for (auto& v : lesson.hourEntries) v = r.u16();
    for (auto& b : lesson.busy.raw()) b = r.u8();
    r.skip(2);
    lesson.noAttachedRoom = hasNoAttachedRoom ? (r.i32() != 0 ? 1 : 0) : 0;
    if (n < 1 || n > kMaxSubgroups) {
        r.fail();
        return lesson;
    }
    lesson.subgroups.clear();
    for (int i = 0; i < n && !r.failed(); ++i) lesson.subgroups.push_back(TLessonSubItem::read(r));
    return lesson;
}

int TLessonsCollection::MaxSubgroupCount() const {
    int m = 0;
    for (const auto& l : items()) m = std::max(m, l.subgroupCount());
    return m;
}

int TLessonsCollection::TotalSubgroupCount() const {
    int n = 0;
    for (const auto& l : items()) n += l.subgroupCount();
    return n;
}

}  // namespace lovaris
