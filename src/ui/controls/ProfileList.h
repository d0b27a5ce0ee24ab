#pragma once
// The drop-down list of the 21 specializations, sorted by text, each entry carrying
// its number.
#include <QComboBox>

namespace lovaris::ui {

class ProfileList : public QComboBox {
    Q_OBJECT
public:
    explicit ProfileList(QWidget* parent = nullptr);
    void showSpecialization(int number);
    void showNothing();
    // The chosen number; 0 (general) when nothing is chosen.
    int specialization() const;

signals:
    void specializationChosen(int number);
};

}  // namespace lovaris::ui
