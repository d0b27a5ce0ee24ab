#pragma once

#include <vector>

namespace lovaris::interchange {

// How two parts of a class taught with different hour spreads can share one lesson:
// the blocks they are taught together in, and what each keeps of its own.
struct SharedBlocks {
    std::vector<int> together;  // the spread of the shared lesson
    std::vector<int> restOfFirst, restOfSecond;
    int hours() const;
};

// The most hours two spreads can be taught together in: some blocks of one, each
// filled exactly by blocks of the other (1+1+1 into 1+2, or three single hours of
// 1+1+1+1 beside a triple lesson). A block is never cut: a double lesson stays a
// double. Of equal hours, the choice joining the fewest blocks. Every spread is
// sorted, shortest blocks first. Without `joinBlocks`, only blocks of the same length
// are taught together.
SharedBlocks ShareBlocks(std::vector<int> first, std::vector<int> second, bool joinBlocks = true);

}  // namespace lovaris::interchange
