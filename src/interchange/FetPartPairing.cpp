#include "FetPartPairing.h"

#include <algorithm>
#include <tuple>

#include "FetSharedBlocks.h"

namespace lovaris::interchange {
namespace {

// A lesson in the search, and whether it was decided to stay as it is.
struct Node {
    std::vector<std::size_t> parts;
    std::vector<int> spread;
    bool alone = false;
    auto operator<=>(const Node&) const = default;
};

struct Join {
    std::size_t with = 0;
    SharedBlocks shared;
    int gain = 0;
    std::map<int, int> needLeft;
};

// Blocks of one lesson joined into a longer one beside the other's: its teachers teach
// a double where they taught single hours, which a teacher free for few hours a day may
// not be able to.
int Merged(const std::vector<int>& first, const std::vector<int>& second, const SharedBlocks& shared) {
    const auto used = [&](const std::vector<int>& spread, const std::vector<int>& rest) {
        return static_cast<int>(spread.size() - rest.size() - shared.together.size());
    };
    return used(first, shared.restOfFirst) + used(second, shared.restOfSecond);
}

// What a state gives: the hours lost; of equal hours, the fewest blocks merged, then the
// fewest lessons (each cut lesson is one more); and the first join on the way.
struct Outcome {
    int hours = 0;
    int merged = 0;
    std::size_t lessons = 0;
    std::optional<std::pair<Node, Node>> first;
    bool betterThan(const Outcome& other) const {
        return std::make_tuple(-hours, merged, lessons) < std::make_tuple(-other.hours, other.merged, other.lessons);
    }
};

class PairingSearch {
public:
    PairingSearch(const PartsToJoin& parts, int budget) : parts_(parts), budget_(budget) {}

    // Each step takes the lesson of a class still too full with the fewest partners and
    // tries it beside each of them, most hours first, then alone: a lesson with one
    // partner is settled before the choices of others take that partner away.
    Outcome best(std::vector<Node> nodes, const std::map<int, int>& need) {
        if (std::ranges::all_of(need, [](const auto& c) { return c.second == 0; })) return {0, 0, nodes.size(), {}};
        std::sort(nodes.begin(), nodes.end());
        const auto known = seen_.find(nodes);
        if (known != seen_.end()) return known->second;
        std::vector<std::vector<int>> classes;
        for (const Node& n : nodes) classes.push_back(classesOf(n));
        std::optional<std::size_t> chosen;
        std::vector<Join> joins;
        for (std::size_t a = 0; a < nodes.size(); ++a) {
            if (nodes[a].alone) continue;
            std::vector<Join> of = joinsOf(nodes, classes, a, need);
            if (!of.empty() && (!chosen || of.size() < joins.size())) {
                chosen = a;
                joins = std::move(of);
            }
        }
        Outcome most{0, 0, nodes.size(), {}};
        if (!chosen) return seen_[nodes] = most;
        const std::size_t a = *chosen;
        for (const Join& j : joins) {
            if (budget_ <= 0) break;
            --budget_;
            std::vector<Node> next;
            for (std::size_t i = 0; i < nodes.size(); ++i)
                if (i != a && i != j.with) next.push_back(nodes[i]);
            Node together{nodes[a].parts, j.shared.together};
            together.parts.insert(together.parts.end(), nodes[j.with].parts.begin(), nodes[j.with].parts.end());
            std::sort(together.parts.begin(), together.parts.end());
            next.push_back(std::move(together));
            if (!j.shared.restOfFirst.empty()) next.push_back({nodes[a].parts, j.shared.restOfFirst});
            if (!j.shared.restOfSecond.empty()) next.push_back({nodes[j.with].parts, j.shared.restOfSecond});
            Outcome after = best(std::move(next), j.needLeft);
            after.hours += j.gain;
            after.merged += Merged(nodes[a].spread, nodes[j.with].spread, j.shared);
            after.first = std::make_pair(nodes[a], nodes[j.with]);
            if (after.betterThan(most)) most = std::move(after);
        }
        if (budget_ > 0) {
            --budget_;
            std::vector<Node> next = nodes;
            next[a].alone = true;
            Outcome alone = best(std::move(next), need);
            if (alone.betterThan(most)) most = std::move(alone);
        }
        return seen_[nodes] = most;
    }

private:
    std::vector<int> classesOf(const Node& n) const {
        std::vector<int> classes;
        for (std::size_t p : n.parts) classes.insert(classes.end(), parts_.classesOf[p].begin(), parts_.classesOf[p].end());
        std::sort(classes.begin(), classes.end());
        classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
        return classes;
    }

    // The lessons the lesson `a` can be taught beside, losing hours of classes in need.
    std::vector<Join> joinsOf(const std::vector<Node>& nodes, const std::vector<std::vector<int>>& classes,
                              std::size_t a, const std::map<int, int>& need) const {
        std::vector<Join> joins;
        for (std::size_t b = 0; b < nodes.size(); ++b) {
            if (b == a || nodes[b].alone) continue;
            const auto inBoth = [&](int c) {
                return std::ranges::binary_search(classes[a], c) && std::ranges::binary_search(classes[b], c);
            };
            if (std::ranges::none_of(need, [&](const auto& c) { return c.second > 0 && inBoth(c.first); }) ||
                !parts_.canShare(nodes[a].parts, nodes[b].parts))
                continue;
            Join j{b, SharePartBlocks(parts_, {nodes[a].parts, nodes[a].spread}, {nodes[b].parts, nodes[b].spread}), 0,
                   need};
            for (auto& [c, n] : j.needLeft)
                if (inBoth(c)) {
                    const int lost = std::min(n, j.shared.hours());
                    j.gain += lost;
                    n -= lost;
                }
            if (j.gain > 0) joins.push_back(std::move(j));
        }
        std::stable_sort(joins.begin(), joins.end(), [](const Join& x, const Join& y) { return x.gain > y.gain; });
        return joins;
    }

    const PartsToJoin& parts_;
    int budget_;
    std::map<std::vector<Node>, Outcome> seen_;
};

}  // namespace

SharedBlocks SharePartBlocks(const PartsToJoin& parts, const PartLesson& first, const PartLesson& second) {
    const bool joinBlocks = parts.mayJoinBlocks && parts.mayJoinBlocks(first.parts) && parts.mayJoinBlocks(second.parts);
    return ShareBlocks(first.spread, second.spread, joinBlocks);
}

std::optional<std::pair<std::size_t, std::size_t>> FirstPartsToJoin(const PartsToJoin& parts, int budget) {
    std::vector<Node> nodes;
    for (const PartLesson& l : parts.lessons) nodes.push_back({l.parts, l.spread});
    const Outcome outcome = PairingSearch(parts, std::max(budget, 1)).best(nodes, parts.need);
    if (!outcome.first) return std::nullopt;
    const auto index = [&](const Node& n) {
        return static_cast<std::size_t>(std::ranges::find(nodes, Node{n.parts, n.spread}) - nodes.begin());
    };
    const std::size_t a = index(outcome.first->first), b = index(outcome.first->second);
    return std::make_pair(std::min(a, b), std::max(a, b));  // in the order they come
}

}  // namespace lovaris::interchange
