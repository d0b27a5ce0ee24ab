#pragma once
// A small variant shared by the variant tests, the variant fuzz target and its seeds:
// three classes, seven lessons a day, four rooms, hours in the clean copy and the
// draft with rooms and critical marks.
#include "core/variant/TTableVarItem.h"
#include "core/variant/VariantCatalog.h"

namespace lovaris::test {

// Classes 10, 20, 30; rooms 100..103. Class 10 has lessons 1 {1,1}, 2 {2,1},
// 3 {1} and 1000002 (lesson 2's separated hours, {1}); class 20 has 4 {1,1,1} with
// two subgroups and 5 {2}; class 30 has 6 {1}.
VariantCatalog MakeSampleCatalog();
// The sample catalog after edits of the project: eight lessons a day, classes in
// another order, class 20 gone and class 40 new, lesson 2 spread 1+1+1, room 101 gone.
VariantCatalog MakeChangedSampleCatalog();
VariantLesson SampleLesson(std::int32_t id, std::vector<int> spread, int subgroups = 1);

// Writes a block of `hours` hours of the lesson from `start` into one layer.
void PutBlock(TTableVarItem& variant, int klass, int day, int lessonIndex, int start, int hours, bool draft = false);
// The sample catalog's variant with hours on Monday, Tuesday and Saturday.
TTableVarItem MakeSampleVariant();

}  // namespace lovaris::test
