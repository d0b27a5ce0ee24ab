#include "NumberEdit.h"

#include <QSignalBlocker>

#include "core/common/NumberText.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

NumberEdit::NumberEdit(int maximum, TextId errorMessage, QWidget* parent)
    : QLineEdit(parent), maximum_(maximum), errorMessage_(errorMessage) {
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::readText);
}

void NumberEdit::showValue(int value) {
    const QSignalBlocker quiet(this);
    setText(QString::number(value));
}

void NumberEdit::showNothing() {
    const QSignalBlocker quiet(this);
    clear();
}

void NumberEdit::readText(const QString& text) {
    const auto value = ParseNumericField(text.toStdString(), maximum_);
    if (!value) {
        ShowMessageId(this, errorMessage_);
        return;
    }
    emit valueEdited(static_cast<int>(*value));
}

}  // namespace lovaris::ui
