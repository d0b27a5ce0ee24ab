#include "DialogParts.h"

#include <QPushButton>

#include "core/workspace/VariantWorkspace.h"

namespace lovaris::ui {

QPushButton* DialogButton(QWidget* parent, const char* name, const QString& caption, const QString& hint, int help) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setProperty("helpContext", help);
    button->setAutoDefault(false);
    return button;
}

QStringList TeacherNames(const VariantWorkspace& workspace) {
    QStringList names;
    for (const auto& teacher : workspace.session().teachers())
        names.append(QString::fromStdString(teacher.displayName()));
    return names;
}

}  // namespace lovaris::ui
