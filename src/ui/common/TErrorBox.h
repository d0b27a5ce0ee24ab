#pragma once
// The modal box "Предупреждение" in which every warning and question appears.
#include <QDialog>
#include <QString>

#include "core/common/StringTable.h"

class QLabel;

namespace lovaris::ui {

// Buttons: 0 "Да"; 1 "Да", "Нет"; 3 "Да", "Нет", "Отмена".
enum MessageButtons : int { kButtonsYes = 0, kButtonsYesNo = 1, kButtonsYesNoCancel = 3 };
// Results: 1 "Да", 2 "Нет", 7 "Отмена".
enum MessageResult : int { kResultYes = 1, kResultNo = 2, kResultCancel = 7 };

class TErrorBox : public QDialog {
    Q_OBJECT
public:
    TErrorBox(QWidget* owner, const QString& text, int buttons);
    int result() const { return result_; }

protected:
    void reject() override;  // only the box's own buttons close it

private:
    void finishWith(int result);
    int result_ = kResultYes;
};

int ShowMessageText(QWidget* owner, const QString& text, int buttons = kButtonsYes);
int ShowMessageId(QWidget* owner, TextId id, int buttons = kButtonsYes);

// UTF-8 text of the table as a QString.
inline QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
template <typename Enum>
QString Res(Enum id) {
    return QString::fromStdString(LoadResText(id));
}

}  // namespace lovaris::ui
