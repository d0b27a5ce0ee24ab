#include "GroupSettingsBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/common/GroupDialogTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

using X = GroupDialogText;

// A box for one setting; "Не учитывать …" boxes show the setting inverted.
QCheckBox* Bind(QWidget* parent, const char* name, X caption, bool& setting, bool inverse, int help) {
    auto* box = new QCheckBox(Res(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setProperty("helpContext", help);
    box->setChecked(setting != inverse);
    QObject::connect(box, &QCheckBox::toggled, box, [&setting, inverse](bool on) { setting = on != inverse; });
    return box;
}

}  // namespace

GroupSettingsBox::GroupSettingsBox(GroupDialogKind kind, PlanningState& state, QWidget* parent)
    : QGroupBox(Res(X::ExtraBox), parent) {
    setObjectName(QStringLiteral("ExtraGroupBox"));
    auto* layout = new QVBoxLayout(this);
    constexpr int kHelp = 15;
    if (kind == GroupDialogKind::Day) {
        layout->addWidget(Bind(this, "AutoSaveCheckBox", X::AutoSave, state.autoSaveVariants, false, kHelp));
        layout->addWidget(Bind(this, "FindBestCheckBox", X::FindBest, state.findBestVariant, false, kHelp));
    } else {
        auto* clean = new QRadioButton(Res(X::PlaceToCleanCopy), this);
        clean->setObjectName(QStringLiteral("PlaceToCleanRadio"));
        auto* draft = new QRadioButton(Res(X::PlaceToDraft), this);
        draft->setObjectName(QStringLiteral("PlaceToDraftRadio"));
        auto* target = new QButtonGroup(this);
        target->addButton(clean);
        target->addButton(draft);
        (state.placeToCleanCopy ? clean : draft)->setChecked(true);
        connect(clean, &QRadioButton::toggled, this, [&state](bool on) { state.placeToCleanCopy = on; });
        layout->addWidget(clean);
        layout->addWidget(draft);
    }
    layout->addWidget(Bind(this, "AttachedRoomsCheckBox", X::IgnoreAttachedRooms, state.considerAttachedRooms,
                           true, kHelp));
    layout->addWidget(Bind(this, "SeparatedHoursCheckBox", X::IgnoreSeparatedHours, state.considerSeparatedHours,
                           true, kHelp));
    if (kind == GroupDialogKind::Week) {
        layout->addWidget(
            Bind(this, "ParallelsCheckBox", X::IgnoreParallels, state.considerParallels, true, kHelp));
        layout->addWidget(Bind(this, "OptimizeQueueCheckBox", X::OptimizeQueue, state.optimizeQueue, false, kHelp));
    }
}

}  // namespace lovaris::ui
