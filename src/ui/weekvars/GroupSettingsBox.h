#pragma once
// " Дополнительно ": the settings the group operations read, each shown as it stands
// in the planning state and written back the moment it is clicked. The day dialog
// offers the optimisation's, the week dialog the week search's.
#include <QGroupBox>

#include "core/planning/PlanningState.h"
#include "core/planning/TeacherGroupTable.h"

namespace lovaris::ui {

class GroupSettingsBox : public QGroupBox {
    Q_OBJECT
public:
    GroupSettingsBox(GroupDialogKind kind, PlanningState& state, QWidget* parent);
};

}  // namespace lovaris::ui
