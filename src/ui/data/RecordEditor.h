#pragma once
// The collection side of the rooms, subjects, classes and teachers editors: the
// records counted, added, removed and moved, the name list that follows the shown
// record, the data controls enabled only while a record is shown, and the week busy
// table of the kinds that have one.
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "EditorWindow.h"
#include "core/data/BusyCellState.h"
#include "core/data/Project.h"
#include "ui/common/TErrorBox.h"
#include "ui/controls/NameList.h"
#include "ui/controls/ReferenceList.h"
#include "ui/controls/TWeeking.h"

namespace lovaris::ui {

inline int CellStateOf(const ByteBusyTable& busy, int slot) { return ByteBusyCellState(busy.get(slot)); }
inline int CellStateOf(const TeacherBusyTable& busy, int slot) { return TeacherBusyCellState(busy.get(slot)); }
inline void SetCellState(ByteBusyTable& busy, int slot, int state) { busy.set(slot, ByteBusyValueForState(state)); }
inline void SetCellState(TeacherBusyTable& busy, int slot, int state) { busy.set(slot, TeacherBusyValueForState(state)); }

template <typename Item>
class RecordEditor : public EditorWindow {
public:
    int recordCount() const override { return records_.count(); }
    void Reload() override {
        nameList_->setEntries(DisplayNameEntries(records_));
        EditorWindow::Reload();
    }
    void ResizeBusyTable() override {
        if (busyTable_) busyTable_->setLessonsPerDay(params().lessonsPerDay);
    }
    NameList* nameList() const { return nameList_; }
    TWeeking* busyTable() const { return busyTable_; }

protected:
    RecordEditor(EditorKind kind, int helpContext, TextId caption, Project& project,
                 RecordCollection<Item>& records, QWidget* parent)
        : EditorWindow(kind, helpContext, project.params, parent), project_(project), records_(records) {
        setWindowTitle(Res(caption));
        form_ = new QWidget(this);
        grid_ = new QGridLayout(form_);
        grid_->setContentsMargins(0, 0, 0, 0);
        grid_->setColumnStretch(1, 1);
        auto* column = new QVBoxLayout(this);
        column->addWidget(makeCommandBar(true));
        column->addWidget(form_, 1);

        nameList_ = new NameList(static_cast<int>(Item::kMaxName), form_);
        nameList_->setObjectName(QStringLiteral("nameList"));
        connect(nameList_, &NameList::nameTyped, this, [this](const QString& text) {
            edit([&](Item& item) {
                item.setName(text.toStdString());
                nameList_->renameShown(QString::fromStdString(item.displayName()));
            });
        });
        connect(nameList_, &NameList::recordChosen, this, [this](int id) {
            const int pos = records_.indexOfId(id);
            if (pos >= 0) ShowRecord(pos);
        });
    }

    // The kind's own controls show the record, or are cleared when there is none.
    virtual void showFields(Item& item) = 0;
    virtual void clearFields() = 0;

    Item* current() {
        const int pos = currentPosition();
        return pos >= 0 && pos < records_.count() ? &records_.at(pos) : nullptr;
    }
    // Applies a change to the shown record and reports it; nothing while filling.
    template <typename Change>
    void edit(Change&& change) {
        if (updating()) return;
        if (Item* item = current()) {
            change(*item);
            markModified();
        }
    }

    // Fills a room reference of the record; a room deleted meanwhile becomes none.
    void fillRoomReference(ReferenceList* list, std::int32_t& roomId) {
        if (list->fillFor(DisplayNameEntries(project_.rooms), roomId)) markModified();
    }

    // The form: a label column and a control column.
    QWidget* form() const { return form_; }
    QGridLayout* grid() const { return grid_; }
    // Adds a labelled control as the next row of the form.
    template <typename Label>
    void addRow(Label label, QWidget* control, int helpContext, Qt::Alignment alignment = {}) {
        auto* text = new QLabel(Res(label), form_);
        text->setBuddy(control);
        if (helpContext) control->setProperty("helpContext", helpContext);
        const int row = grid_->rowCount();
        grid_->addWidget(text, row, 0);
        grid_->addWidget(control, row, 1, alignment);
    }

    // The week busy table of the record; a click writes the state chosen with the buttons.
    TWeeking* makeBusyTable(QWidget* parent, int helpContext) {
        busyTable_ = new TWeeking(parent);
        busyTable_->setObjectName(QStringLiteral("busyTable"));
        busyTable_->setProperty("helpContext", helpContext);
        busyTable_->setLessonsPerDay(params().lessonsPerDay);
        busyTable_->setStateSource([this](int slot) {
            const Item* item = current();
            return item ? CellStateOf(item->busy, slot) : kCellFree;
        });
        connect(busyTable_, &TWeeking::slotClicked, this, [this](int slot) {
            edit([&](Item& item) { SetCellState(item.busy, slot, chosenCellState()); });
            busyTable_->busyModel()->refreshSlot(slot);
        });
        return busyTable_;
    }

    void fillRecord(int position) override {
        Item& item = records_.at(position);
        form_->setEnabled(true);
        nameList_->showRecord(item.id, QString::fromStdString(item.displayName()));
        showFields(item);
        if (busyTable_) busyTable_->refresh();
    }
    void clearRecord() override {
        nameList_->showNothing();
        clearFields();
        if (busyTable_) busyTable_->refresh();
        form_->setEnabled(false);
    }
    int appendRecord() override {
        records_.add();
        return records_.count() - 1;
    }
    void deleteRecord(int position) override {
        nameList_->removeId(records_.at(position).id);
        records_.remove(position);
    }
    QStringList recordNames() const override {
        QStringList names;
        for (const auto& item : records_) names.append(QString::fromStdString(item.displayName()));
        return names;
    }
    int moveRecord(int currentPos, int after) override { return records_.moveAfter(currentPos, after); }

    Project& project_;
    RecordCollection<Item>& records_;

private:
    QWidget* form_ = nullptr;
    QGridLayout* grid_ = nullptr;
    NameList* nameList_ = nullptr;
    TWeeking* busyTable_ = nullptr;
};

}  // namespace lovaris::ui
