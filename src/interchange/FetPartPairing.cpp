#include "FetPartPairing.h"

#include <algorithm>

#include "FetSharedBlocks.h"

namespace lovaris::interchange {
namespace {

using State = std::vector<std::pair<std::vector<std::size_t>, std::vector<int>>>;

struct Join {
    std::size_t first = 0, second = 0;
    SharedBlocks shared;
    int gain = 0;
    std::map<int, int> needLeft;
};

class PairingSearch {
public:
    PairingSearch(const PartsToJoin& parts, int budget) : parts_(parts), budget_(budget) {}

    // The most of the needed hours the lessons lose joined two by two, and the first join.
    int best(const std::vector<PartLesson>& lessons, const std::map<int, int>& need,
             std::optional<std::pair<std::size_t, std::size_t>>* first) {
        int needed = 0;
        for (const auto& [c, n] : need) needed += n;
        if (needed == 0) return 0;
        State key;
        for (const PartLesson& l : lessons) key.emplace_back(l.parts, l.spread);
        std::sort(key.begin(), key.end());
        if (!first) {
            const auto known = seen_.find(key);
            if (known != seen_.end()) return known->second;
        }
        std::vector<std::vector<int>> classes;
        for (const PartLesson& l : lessons) classes.push_back(classesOf(l));
        std::vector<Join> joins;
        for (std::size_t a = 0; a < lessons.size(); ++a)
            for (std::size_t b = a + 1; b < lessons.size(); ++b) {
                Join j{a, b, {}, 0, need};
                for (int c : classes[a])
                    if (need.contains(c) && need.at(c) > 0 && std::ranges::binary_search(classes[b], c)) j.gain = 1;
                if (j.gain == 0 || !parts_.canShare(lessons[a].parts, lessons[b].parts)) continue;
                j.shared = ShareBlocks(lessons[a].spread, lessons[b].spread);
                j.gain = 0;
                for (auto& [c, n] : j.needLeft)
                    if (std::ranges::binary_search(classes[a], c) && std::ranges::binary_search(classes[b], c)) {
                        const int lost = std::min(n, j.shared.hours());
                        j.gain += lost;
                        n -= lost;
                    }
                if (j.gain > 0) joins.push_back(std::move(j));
            }
        std::stable_sort(joins.begin(), joins.end(), [](const Join& x, const Join& y) { return x.gain > y.gain; });
        int most = 0;
        for (const Join& j : joins) {
            if (budget_ <= 0) break;
            --budget_;
            std::vector<PartLesson> next;
            for (std::size_t i = 0; i < lessons.size(); ++i)
                if (i != j.first && i != j.second) next.push_back(lessons[i]);
            PartLesson together{lessons[j.first].parts, j.shared.together};
            together.parts.insert(together.parts.end(), lessons[j.second].parts.begin(), lessons[j.second].parts.end());
            std::sort(together.parts.begin(), together.parts.end());
            next.push_back(std::move(together));
            if (!j.shared.restOfFirst.empty()) next.push_back({lessons[j.first].parts, j.shared.restOfFirst});
            if (!j.shared.restOfSecond.empty()) next.push_back({lessons[j.second].parts, j.shared.restOfSecond});
            const int hours = j.gain + best(next, j.needLeft, nullptr);
            if (hours > most) {
                most = hours;
                if (first) *first = std::make_pair(j.first, j.second);
            }
            if (most == needed) break;
        }
        seen_[key] = most;
        return most;
    }

private:
    std::vector<int> classesOf(const PartLesson& l) const {
        std::vector<int> classes;
        for (std::size_t p : l.parts) classes.insert(classes.end(), parts_.classesOf[p].begin(), parts_.classesOf[p].end());
        std::sort(classes.begin(), classes.end());
        classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
        return classes;
    }

    const PartsToJoin& parts_;
    int budget_;
    std::map<State, int> seen_;
};

}  // namespace

std::optional<std::pair<std::size_t, std::size_t>> FirstPartsToJoin(const PartsToJoin& parts, int budget) {
    std::optional<std::pair<std::size_t, std::size_t>> first;
    PairingSearch(parts, std::max(budget, 1)).best(parts.lessons, parts.need, &first);
    return first;
}

}  // namespace lovaris::interchange
