#pragma once
// A drop-down list from which a record of another collection is chosen: display
// names sorted by text, each carrying the record's ID; an optional reference also
// offers "Отсутствует" (-1).
#include <QComboBox>
#include <cstdint>

#include "ListEntries.h"

namespace lovaris::ui {

class ReferenceList : public QComboBox {
    Q_OBJECT
public:
    explicit ReferenceList(bool withNone, QWidget* parent = nullptr);

    // Fills the list for a record that refers to `storedId` and selects it. A stored
    // ID that is not among the entries names a deleted record: it becomes -1 and the
    // function returns true, so that the caller marks the project modified.
    bool fillFor(const ListEntries& entries, std::int32_t& storedId);
    // Empties the list (no record shown).
    void clearEntries();
    // The ID of the chosen entry, -1 when nothing is chosen.
    int chosenId() const;

signals:
    // The user chose an entry.
    void idChosen(int id);

private:
    bool withNone_;
};

}  // namespace lovaris::ui
