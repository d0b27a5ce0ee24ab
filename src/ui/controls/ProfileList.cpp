#include "ProfileList.h"

#include <QSignalBlocker>

#include "core/data/ProfileNames.h"

namespace lovaris::ui {

ProfileList::ProfileList(QWidget* parent) : QComboBox(parent) {
    for (const auto& [number, text] : SortedSpecializations()) addItem(QString::fromStdString(text), number);
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit specializationChosen(specialization()); });
}

void ProfileList::showSpecialization(int number) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(findData(number));
}

void ProfileList::showNothing() {
    const QSignalBlocker quiet(this);
    setCurrentIndex(-1);
}

int ProfileList::specialization() const {
    const QVariant number = currentData();
    return number.isValid() ? number.toInt() : 0;
}

}  // namespace lovaris::ui
