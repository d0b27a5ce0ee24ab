#include "TKlassesManager.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "core/common/EditorTexts.h"
#include "core/data/EditorParsers.h"
#include "core/data/ProfileNames.h"
#include "ui/controls/CheckList.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/ReferenceList.h"

namespace lovaris::ui {

TKlassesManager::TKlassesManager(Project& project, QWidget* parent)
    : RecordEditor(EditorKind::Classes, 10, TextId::ClassesCaption, project, project.klasses, parent) {
    childrenEdit_ = new NumberEdit(100, TextId::ClassChildrenError, form());
    childrenEdit_->setObjectName(QStringLiteral("childrenEdit"));
    childrenEdit_->setMaximumWidth(80);
    startingEdit_ = new QLineEdit(form());
    startingEdit_->setObjectName(QStringLiteral("startingLessonsEdit"));
    roomList_ = new ReferenceList(true, form());
    roomList_->setObjectName(QStringLiteral("attachedRoomList"));
    stageList_ = new QComboBox(form());
    stageList_->setObjectName(QStringLiteral("stageList"));
    for (auto stage : {TextId::StageJunior, TextId::StageMiddle, TextId::StageSenior}) stageList_->addItem(Res(stage));

    addRow(EditorText::NameLabel, nameList(), 261);
    addRow(EditorText::ChildrenLabel, childrenEdit_, 262, Qt::AlignLeft);
    addRow(EditorText::StartingLessonsLabel, startingEdit_, 263);
    addRow(EditorText::AttachedRoomLabel, roomList_, 264);
    addRow(EditorText::StageLabel, stageList_, 270, Qt::AlignLeft);
    grid()->addWidget(makePages(), grid()->rowCount(), 0, 1, 2);
    grid()->setRowStretch(grid()->rowCount() - 1, 1);

    connect(childrenEdit_, &NumberEdit::valueEdited, this,
            [this](int v) { edit([v](TKlassItem& k) { k.children = static_cast<std::uint16_t>(v); }); });
    connect(startingEdit_, &QLineEdit::textChanged, this, &TKlassesManager::readStartingLessons);
    connect(roomList_, &ReferenceList::idChosen, this,
            [this](int id) { edit([id](TKlassItem& k) { k.attachedRoom = id; }); });
    connect(stageList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit([index](TKlassItem& k) { k.stage = index < 0 ? 1 : index; });
    });
    resize(520, 480);
    Reload();
}

QWidget* TKlassesManager::makePages() {
    pages_ = new QTabWidget(form());
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setProperty("helpContext", 269);

    specializationList_ = new CheckList(pages_);
    specializationList_->setObjectName(QStringLiteral("specializationChecks"));
    specializationList_->setProperty("helpContext", 265);
    ListEntries specializations;
    for (const auto& [number, text] : SortedSpecializations(1)) specializations.append({number, QString::fromStdString(text)});
    specializationList_->setEntries(specializations, {});
    connect(specializationList_, &CheckList::checksChanged, this, [this] {
        const QList<int> checked = specializationList_->checkedIds();
        edit([&](TKlassItem& k) {
            for (int n = 1; n <= static_cast<int>(k.profileFlags.size()); ++n)
                k.profileFlags[static_cast<std::size_t>(n - 1)] = checked.contains(n) ? 1 : 0;
        });
    });

    auto* busyPage = new QWidget(pages_);
    auto* busyColumn = new QVBoxLayout(busyPage);
    busyColumn->addWidget(makeBusyButtons(false));
    busyColumn->addWidget(makeBusyTable(busyPage, 267), 1);

    parallelsList_ = new CheckList(pages_);
    parallelsList_->setObjectName(QStringLiteral("parallelsChecks"));
    parallelsList_->setProperty("helpContext", 266);
    connect(parallelsList_, &CheckList::checksChanged, this, &TKlassesManager::storeParallels);

    pages_->insertTab(kSpecializationPage, specializationList_, Res(EditorText::SpecializationPage));
    pages_->insertTab(kBusyPage, busyPage, Res(EditorText::BusyPage));
    pages_->insertTab(kParallelsPage, parallelsList_, Res(EditorText::ParallelsPage));
    // The specializations of a class are kept but not offered for editing.
    pages_->setTabVisible(kSpecializationPage, false);
    pages_->setCurrentIndex(kParallelsPage);
    return pages_;
}

int TKlassesManager::appendRecord() {
    const int pos = RecordEditor::appendRecord();
    // A new class starts its day with the first lesson.
    records_.at(pos).insertStartingLesson(1);
    return pos;
}

void TKlassesManager::Activated() {
    if (TKlassItem* klass = current()) fillRoomReference(roomList_, klass->attachedRoom);
}

ListEntries TKlassesManager::otherClasses(const TKlassItem& klass) const {
    ListEntries others;
    for (const auto& other : records_)
        if (other.id != klass.id) others.append({other.id, QString::fromStdString(other.displayName())});
    SortByText(others);
    return others;
}

void TKlassesManager::showFields(TKlassItem& klass) {
    childrenEdit_->showValue(klass.children);
    startingEdit_->setText(QString::fromStdString(JoinNumbers(klass.startingLessons)));
    fillRoomReference(roomList_, klass.attachedRoom);
    stageList_->setCurrentIndex(klass.stage);
    QList<int> profiles;
    for (int n = 1; n <= static_cast<int>(klass.profileFlags.size()); ++n)
        if (klass.profileFlags[static_cast<std::size_t>(n - 1)]) profiles.append(n);
    specializationList_->setChecked(profiles);
    parallelsList_->setEntries(otherClasses(klass), QList<int>(klass.parallels.begin(), klass.parallels.end()));
    if (!pages_->isEnabled()) pages_->setCurrentIndex(kParallelsPage);
    pages_->setEnabled(true);
}

void TKlassesManager::clearFields() {
    childrenEdit_->showNothing();
    startingEdit_->clear();
    roomList_->clearEntries();
    stageList_->setCurrentIndex(-1);
    specializationList_->setChecked({});
    parallelsList_->clear();
    pages_->setCurrentIndex(kBusyPage);
    pages_->setEnabled(false);
}

void TKlassesManager::readStartingLessons(const QString& text) {
    if (updating() || !current()) return;
    const ListFieldParse parsed = ParseStartingLessonsText(text.toStdString());
    if (parsed.kind == ListFieldParse::Kind::Refused) {
        ShowMessageId(this, TextId::ClassStartingLessonsError);
        return;
    }
    if (parsed.kind == ListFieldParse::Kind::Unchanged) return;
    edit([&](TKlassItem& k) {
        k.startingLessons.clear();
        for (int lesson : parsed.values) k.insertStartingLesson(lesson);
    });
}

void TKlassesManager::storeParallels() {
    edit([this](TKlassItem& k) {
        k.parallels.clear();
        for (int id : parallelsList_->checkedIds()) k.appendParallel(id);
        // Only the first ten are kept; the checks show what is stored.
        parallelsList_->setChecked(QList<int>(k.parallels.begin(), k.parallels.end()));
    });
}

}  // namespace lovaris::ui
