#include "EngineVariantSample.h"

namespace lovaris::test {

VariantLesson SampleLesson(std::int32_t id, std::vector<int> spread, int subgroups) {
    return VariantLesson{id, subgroups, std::move(spread)};
}

VariantCatalog MakeSampleCatalog() {
    VariantCatalog c;
    c.lessonsPerDay = 7;
    c.classes = {
        {10, {SampleLesson(1, {1, 1}), SampleLesson(2, {2, 1}), SampleLesson(3, {1}), SampleLesson(1000002, {1})}},
        {20, {SampleLesson(4, {1, 1, 1}, 2), SampleLesson(5, {2})}},
        {30, {SampleLesson(6, {1})}},
    };
    c.roomIds = {100, 101, 102, 103};
    return c;
}

VariantCatalog MakeChangedSampleCatalog() {
    VariantCatalog c = MakeSampleCatalog();
    c.lessonsPerDay = 8;
    c.classes[0].lessons[1].spread = {1, 1, 1};
    c.classes = {c.classes[2], {40, {SampleLesson(7, {1, 2})}}, c.classes[0]};
    c.roomIds = {103, 102, 100};
    return c;
}

void PutBlock(TTableVarItem& variant, int klass, int day, int lessonIndex, int start, int hours, bool draft) {
    for (int n = start; n < start + hours; ++n) {
        const LessonSlot slot = LessonSlot::BlockHour(lessonIndex, start, n);
        if (draft)
            variant.SetDraftSlot(klass, day, slot, n);
        else
            variant.SetCleanSlot(klass, day, slot, n);
    }
}

TTableVarItem MakeSampleVariant() {
    TTableVarItem v;
    v.Create(MakeSampleCatalog());
    // Class 10, Monday: lesson 1, the double of lesson 2 in room 101, lesson 3 at the
    // day's last hour; the separated hour of lesson 2 in the draft.
    PutBlock(v, 0, 1, 0, 1, 1);
    LessonSlot first = LessonSlot::BlockHour(1, 2, 2);
    first.rooms[0] = 1;
    first.subgroupMask = 1;
    LessonSlot second = LessonSlot::BlockHour(1, 2, 3);
    second.rooms[0] = 1;
    v.SetCleanSlot(0, 1, first, 2);
    v.SetCleanSlot(0, 1, second, 3);
    PutBlock(v, 0, 1, 2, 7, 1);
    PutBlock(v, 0, 1, 3, 1, 1, true);
    // Class 10, Tuesday: lesson 1 and the single hour of lesson 2 in the draft.
    PutBlock(v, 0, 2, 0, 1, 1, true);
    PutBlock(v, 0, 2, 1, 2, 1, true);
    // Class 20, Monday: lesson 4 with its two subgroups in rooms 100 and 103.
    LessonSlot split = LessonSlot::BlockHour(0, 1, 1);
    split.rooms[0] = 0;
    split.rooms[1] = 3;
    split.subgroupMask = 2;
    v.SetCleanSlot(1, 1, split, 1);
    // Class 20, Saturday: the double of lesson 5; class 30 Saturday: lesson 6 in room 102.
    PutBlock(v, 1, 6, 1, 3, 2);
    LessonSlot single = LessonSlot::BlockHour(0, 5, 5);
    single.rooms[0] = 2;
    v.SetCleanSlot(2, 6, single, 5);
    return v;
}

}  // namespace lovaris::test
