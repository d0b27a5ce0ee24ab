#pragma once
// What the group dialogs and the week search window build alike.
#include <QString>
#include <QStringList>

class QPushButton;
class QWidget;

namespace lovaris {
class VariantWorkspace;
}

namespace lovaris::ui {

// A button with its hint and help topic that Enter does not press.
QPushButton* DialogButton(QWidget* parent, const char* name, const QString& caption, const QString& hint, int help);
// The display names of the planning teachers, by teacher index.
QStringList TeacherNames(const VariantWorkspace& workspace);

}  // namespace lovaris::ui
