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

// The most hours two spreads can be taught together in. Blocks of the same length pair;
// when both spreads hold the same hours and one's blocks can be joined into the other's
// (1+1+1 into 1+2), the whole of both is shared in the longer blocks. A block is never
// cut: a double lesson stays a double. Every spread is sorted, shortest blocks first.
SharedBlocks ShareBlocks(std::vector<int> first, std::vector<int> second);

}  // namespace lovaris::interchange
