#pragma once
// A whole-number field of the editors. Every change of the text is read at once:
// an empty text is 0, a text that is not a number shows the field's message and
// yields nothing, a negative number is 0 and a number above the maximum is the
// maximum. The text stays as typed.
#include <QLineEdit>

#include "core/common/StringTable.h"

namespace lovaris::ui {

class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(int maximum, TextId errorMessage, QWidget* parent = nullptr);
    int maximum() const { return maximum_; }
    // Shows a stored value without reporting it back as a change.
    void showValue(int value);
    // Clears the text without reporting a change (no record shown).
    void showNothing();

signals:
    // The value the typed text stands for.
    void valueEdited(int value);

private:
    void readText(const QString& text);
    int maximum_;
    TextId errorMessage_;
};

}  // namespace lovaris::ui
