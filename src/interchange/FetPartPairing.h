#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "FetSharedBlocks.h"

namespace lovaris::interchange {

// A lesson of parts of classes, as the search for those taught together sees it: the
// parts it is made of (indices into the list of them) and its hour spread.
struct PartLesson {
    std::vector<std::size_t> parts;
    std::vector<int> spread;
};

// Lessons of parts of classes whose weeks are too full, and what the search must know
// of them.
struct PartsToJoin {
    std::vector<PartLesson> lessons;
    std::vector<std::vector<int>> classesOf;  // per part: the classes it is taught in, sorted
    std::map<int, int> need;                  // class -> the hours its week must lose
    // Whether the parts of two lessons can be taught at one hour: disjoint pupils, other
    // teachers, and room for both in each class's lesson.
    std::function<bool(const std::vector<std::size_t>&, const std::vector<std::size_t>&)> canShare;
    // Whether the blocks of a lesson of these parts may be joined into longer ones
    // beside another lesson's; none may where this is not given.
    std::function<bool(const std::vector<std::size_t>&)> mayJoinBlocks;
};

// How two lessons of parts share their blocks: blocks of one joined into longer ones
// only where both lessons may have that.
SharedBlocks SharePartBlocks(const PartsToJoin& parts, const PartLesson& first, const PartLesson& second);

// The two lessons to join first so that, joining lessons two by two, the classes lose
// the most of the hours they need to (two lessons taught together lose their shared
// hours in each class of both); none where no join helps. Taking the pair sharing the
// most hours is not enough: it may take the partner another lesson needed (each half's
// mathematics, by one teacher, must go beside the other half's chemistry and a part of
// its biology). Of equal hours, the fewest lessons (each cut one is one more). The
// search settles first the lesson of a class in need with the fewest partners; at most
// `budget` joins are tried, and a state met twice is weighed once.
std::optional<std::pair<std::size_t, std::size_t>> FirstPartsToJoin(const PartsToJoin& parts, int budget);

}  // namespace lovaris::interchange
