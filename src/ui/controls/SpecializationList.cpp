#include "SpecializationList.h"

#include <QSignalBlocker>

#include "core/data/Specializations.h"

namespace lovaris::ui {

SpecializationList::SpecializationList(QWidget* parent) : QComboBox(parent) {
    for (const auto& [number, text] : SortedSpecializations()) addItem(QString::fromStdString(text), number);
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit specializationChosen(specialization()); });
}

void SpecializationList::showSpecialization(int number) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(findData(number));
}

void SpecializationList::showNothing() {
    const QSignalBlocker quiet(this);
    setCurrentIndex(-1);
}

int SpecializationList::specialization() const {
    const QVariant number = currentData();
    return number.isValid() ? number.toInt() : 0;
}

}  // namespace lovaris::ui
