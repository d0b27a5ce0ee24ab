#pragma once
// The editable name list of an editor: a drop-down list of every record's display
// name, sorted by text, each entry carrying the record's ID. Typing renames the
// record shown; choosing another record's entry asks to show that record.
#include <QComboBox>

#include "ListEntries.h"

namespace lovaris::ui {

class NameList : public QComboBox {
    Q_OBJECT
public:
    // `maxLength`: the longest name of the kind, in characters.
    explicit NameList(int maxLength, QWidget* parent = nullptr);

    void setEntries(const ListEntries& entries);
    // The record with this ID is shown: its entry takes the display name and is selected.
    void showRecord(int id, const QString& displayName);
    // No record is shown.
    void showNothing();
    // The shown record was renamed; its entry follows unless only the case differs.
    void renameShown(const QString& displayName);
    void removeId(int id);
    int shownId() const { return shownId_; }

signals:
    // The user typed: the text is the shown record's new name.
    void nameTyped(const QString& text);
    // The user chose another record's entry.
    void recordChosen(int id);

private:
    int insertSorted(int id, const QString& text);
    void removeEntriesOf(int id);
    int shownId_ = -1;
};

}  // namespace lovaris::ui
