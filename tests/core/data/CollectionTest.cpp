#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/TRoomItem.h"

using namespace lovaris;

namespace {

std::vector<std::string> names(const TRoomsCollection& c) {
    std::vector<std::string> out;
    for (const auto& r : c) out.push_back(r.name);
    return out;
}

TRoomsCollection abcd() {
    TRoomsCollection c;
    for (const char* n : {"A", "B", "C", "D"}) c.add().name = n;
    return c;
}

}  // namespace

TEST(RecordCollection, IdsAreHandedOutOnceAndNeverReused) {
    TRoomsCollection c;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(c.add().id, i);
    c.remove(c.indexOfId(2));
    EXPECT_EQ(c.add().id, 5);
    EXPECT_EQ(c.nextId(), 6);
    EXPECT_EQ(c.findById(2), nullptr);
    EXPECT_EQ(c.indexOfId(5), 4);
}

TEST(RecordCollection, MoveAfterChosenRecord) {
    struct Case {
        int current;
        int after;
        std::vector<std::string> expected;
        int newPos;
    };
    const Case cases[] = {
        {3, 1, {"A", "B", "D", "C"}, 2},
        {0, 2, {"B", "C", "A", "D"}, 2},
        {2, 2, {"A", "B", "C", "D"}, -1},
        {1, 0, {"A", "B", "C", "D"}, -1},
        {3, 0, {"A", "D", "B", "C"}, 1},
    };
    for (const auto& c : cases) {
        auto coll = abcd();
        EXPECT_EQ(coll.moveAfter(c.current, c.after), c.newPos);
        EXPECT_EQ(names(coll), c.expected) << c.current << " after " << c.after;
    }
    auto coll = abcd();
    coll.moveAfter(3, 1);
    EXPECT_EQ(coll.at(2).id, 3) << "a moved record keeps its ID";
}

TEST(RecordCollection, CountFreeRooms) {
    TRoomsCollection c;
    c.add();
    c.add().busy.set(1, 1, 1);
    const auto free = c.CountFreeRooms();
    EXPECT_EQ(free[0], 1);
    EXPECT_EQ(free[1], 2);
}
