#pragma once
// Entries of the editors' lists: a text shown and the number it stands for (a record
// ID or a specialization number), and the list order of texts.
#include <QList>
#include <QString>
#include <algorithm>

#include "core/common/TextCompare.h"

namespace lovaris::ui {

struct ListEntry {
    int id = -1;
    QString text;
};
using ListEntries = QList<ListEntry>;

inline bool ListEntryLess(const ListEntry& a, const ListEntry& b) {
    return ListTextLess(a.text.toStdString(), b.text.toStdString());
}
inline void SortByText(ListEntries& entries) { std::stable_sort(entries.begin(), entries.end(), ListEntryLess); }

// The display names of a collection's records with their IDs, in collection order.
template <typename Collection>
ListEntries DisplayNameEntries(const Collection& records) {
    ListEntries entries;
    for (const auto& item : records) entries.append({item.id, QString::fromStdString(item.displayName())});
    return entries;
}

}  // namespace lovaris::ui
