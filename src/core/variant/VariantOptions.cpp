#include "VariantOptions.h"

#include "../common/Cp1251.h"

namespace lovaris {

VariantOptions VariantOptions::Defaults(int classCount, int lessonsPerDay) {
    VariantOptions o;
    o.classCount = classCount;
    o.lessonsPerDay = lessonsPerDay;
    return o;
}

void VariantOptions::setComment(std::string_view text) {
    std::string oneLine(text);
    for (char& c : oneLine)
        if (c == '\r' || c == '\n') c = ' ';
    comment = utf8Left(oneLine, kMaxComment);
}

void VariantOptions::write(ByteWriter& w) const {
    w.u8(regime);
    w.u8(selectedDay);
    w.cstring(comment, kCommentField);
    w.zeros(1);
    w.u16(maxVariantsPerDay);
    w.u16(maxTeacherWindows);
    w.u16(wishesMode);
    w.u16(parallelWeight);
    w.u16(sanitaryWeight);
    w.u16(teacherBusyWeight);
    w.zeros(8);
    w.i32(classCount);
    w.i32(lessonsPerDay);
}

VariantOptions VariantOptions::read(ByteReader& r) {
    VariantOptions o;
    o.regime = r.u8();
    o.selectedDay = r.u8();
    const auto field = r.bytes(kCommentField);
    if (!r.failed()) {
        std::size_t len = 0;
        while (len < kMaxComment && field[len] != 0) ++len;
        o.comment = cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()), len));
    }
    r.skip(1);
    o.maxVariantsPerDay = r.u16();
    o.maxTeacherWindows = r.u16();
    o.wishesMode = r.u16();
    o.parallelWeight = r.u16();
    o.sanitaryWeight = r.u16();
    o.teacherBusyWeight = r.u16();
    r.skip(8);
    o.classCount = r.i32();
    o.lessonsPerDay = r.i32();
    return o;
}

}  // namespace lovaris
