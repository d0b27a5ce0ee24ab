#pragma once
// An ordered collection of records with IDs handed out from nextId and never reused.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace lovaris {

template <typename Item>
class RecordCollection {
public:
    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    Item& at(int pos) { return items_.at(static_cast<std::size_t>(pos)); }
    const Item& at(int pos) const { return items_.at(static_cast<std::size_t>(pos)); }
    std::vector<Item>& items() { return items_; }
    const std::vector<Item>& items() const { return items_; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    std::int32_t nextId() const { return nextId_; }
    void setNextId(std::int32_t id) { nextId_ = id; }

    // Appends a new record with the kind's defaults and the next ID.
    Item& add() {
        Item item;
        item.id = nextId_++;
        items_.push_back(std::move(item));
        return items_.back();
    }
    // Appends a record as it is (loading, copies): its ID is the caller's.
    Item& append(Item item) {
        items_.push_back(std::move(item));
        return items_.back();
    }
    void remove(int pos) {
        if (pos >= 0 && pos < count()) items_.erase(items_.begin() + pos);
    }

    int indexOfId(std::int32_t id) const {
        for (int i = 0; i < count(); ++i)
            if (items_[static_cast<std::size_t>(i)].id == id) return i;
        return -1;
    }
    Item* findById(std::int32_t id) {
        const int i = indexOfId(id);
        return i < 0 ? nullptr : &items_[static_cast<std::size_t>(i)];
    }
    const Item* findById(std::int32_t id) const {
        const int i = indexOfId(id);
        return i < 0 ? nullptr : &items_[static_cast<std::size_t>(i)];
    }

    // Moves the record at `current` so that it follows the record at `after`.
    // Returns the record's new position, or -1 when nothing moved.
    int moveAfter(int current, int after) {
        if (current < 0 || current >= count() || after < 0 || after >= count()) return -1;
        const int target = after < current ? after + 1 : after;
        if (target == current) return -1;
        Item moved = std::move(items_[static_cast<std::size_t>(current)]);
        items_.erase(items_.begin() + current);
        items_.insert(items_.begin() + target, std::move(moved));
        return target;
    }

    // The highest ID held, or -1; a file whose nextId is not above it would hand out an ID twice.
    std::int32_t maxId() const {
        std::int32_t m = -1;
        for (const auto& item : items_) m = std::max(m, item.id);
        return m;
    }

    bool operator==(const RecordCollection&) const = default;

private:
    std::vector<Item> items_;
    std::int32_t nextId_ = 0;
};

}  // namespace lovaris
