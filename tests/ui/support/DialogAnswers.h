#pragma once
// Answers the next modal dialog a test opens: a timer waits for it to appear and
// clicks one of its buttons (by object name), as a user would.
#include <QString>
#include <functional>

class QWidget;

namespace lovaris::test {

// Clicks the button named `buttonObjectName` ("yesButton", "noButton", "cancelButton")
// of the next modal dialog; `seen` receives the dialog's message text when it has one.
void AnswerNextDialog(const QString& buttonObjectName, QString* seen = nullptr);
// Runs `act` on the next modal dialog once it is shown (to fill fields, then close it).
void ActOnNextDialog(std::function<void(QWidget* dialog)> act);

}  // namespace lovaris::test
