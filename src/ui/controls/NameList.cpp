#include "NameList.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace lovaris::ui {

NameList::NameList(int maxLength, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // A typed name is never matched against the entries: a name equal to another
    // record's must rename the shown record, not jump to the other one.
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    // Some Qt versions select an entry matching the text when editing finishes.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    lineEdit()->setMaxLength(maxLength);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    connect(lineEdit(), &QLineEdit::textEdited, this, &NameList::nameTyped);
    connect(this, &QComboBox::activated, this, [this](int index) {
        const int id = itemData(index).toInt();
        if (id != shownId_) {
            emit recordChosen(id);
        } else {
            // The shown record's own entry: the text goes back to its name.
            const QSignalBlocker quiet(this);
            setCurrentIndex(index);
        }
    });
}

void NameList::setEntries(const ListEntries& entries) {
    const QSignalBlocker quiet(this);
    clear();
    ListEntries sorted = entries;
    SortByText(sorted);
    for (const auto& e : sorted) addItem(e.text, e.id);
    setCurrentIndex(-1);
    shownId_ = -1;
}

void NameList::showRecord(int id, const QString& displayName) {
    const QSignalBlocker quiet(this);
    removeEntriesOf(id);
    shownId_ = id;
    setCurrentIndex(insertSorted(id, displayName));
}

void NameList::showNothing() {
    const QSignalBlocker quiet(this);
    shownId_ = -1;
    setCurrentIndex(-1);
    clearEditText();
}

void NameList::renameShown(const QString& displayName) {
    const int index = findData(shownId_);
    if (index >= 0 && ListTextEqual(itemText(index).toStdString(), displayName.toStdString())) return;
    // Re-sorting the entry must not disturb what the user is typing.
    const QString typed = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    const QSignalBlocker quiet(this);
    removeEntriesOf(shownId_);
    setCurrentIndex(insertSorted(shownId_, displayName));
    lineEdit()->setText(typed);
    lineEdit()->setCursorPosition(cursor);
}

void NameList::removeId(int id) {
    const QSignalBlocker quiet(this);
    removeEntriesOf(id);
    if (id == shownId_) showNothing();
}

int NameList::insertSorted(int id, const QString& text) {
    int pos = 0;
    while (pos < count() && !ListTextLess(text.toStdString(), itemText(pos).toStdString())) ++pos;
    insertItem(pos, text, id);
    return pos;
}

void NameList::removeEntriesOf(int id) {
    for (int i = count() - 1; i >= 0; --i)
        if (itemData(i).toInt() == id) removeItem(i);
}

}  // namespace lovaris::ui
