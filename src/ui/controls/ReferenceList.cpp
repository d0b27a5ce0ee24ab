#include "ReferenceList.h"

#include <QSignalBlocker>

#include "core/common/StringTable.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

ReferenceList::ReferenceList(bool withNone, QWidget* parent) : QComboBox(parent), withNone_(withNone) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit idChosen(chosenId()); });
}

bool ReferenceList::fillFor(const ListEntries& entries, std::int32_t& storedId) {
    const QSignalBlocker quiet(this);
    clear();
    ListEntries sorted = entries;
    SortByText(sorted);
    // "Отсутствует" leads the list so that it is found at once.
    if (withNone_) addItem(Res(TextId::NoneEntry), -1);
    for (const auto& e : sorted) addItem(e.text, e.id);
    int index = findData(int(storedId));
    const bool dropped = index < 0 && storedId != -1;
    if (dropped) {
        storedId = -1;
        index = findData(-1);
    }
    setCurrentIndex(index);
    return dropped;
}

void ReferenceList::clearEntries() {
    const QSignalBlocker quiet(this);
    clear();
}

int ReferenceList::chosenId() const {
    const QVariant id = currentData();
    return id.isValid() ? id.toInt() : -1;
}

}  // namespace lovaris::ui
