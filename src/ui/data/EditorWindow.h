#pragma once
// What the five data editors have in common: one record shown at a time, the
// add, move, remove, previous, next and help buttons, the busy/free choice for the
// week busy table, and the reports to the main window.
#include <QStringList>
#include <QWidget>

#include "core/data/ProjectParams.h"

class QPushButton;
class QToolButton;
class QHBoxLayout;
class QBoxLayout;

namespace lovaris::ui {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    EditorWindow(EditorKind kind, int helpContext, ProjectParams& params, QWidget* parent = nullptr);

    EditorKind kind() const { return kind_; }
    int helpContext() const { return helpContext_; }
    int currentPosition() const { return current_; }
    virtual int recordCount() const = 0;

    // Shows the record at the position, or clears and disables the data controls
    // when the position is negative or there is no record.
    void ShowRecord(int position);
    // Shows the current record again (after the parameters changed, when shown).
    void Refresh() { ShowRecord(current_); }
    // The busy table shows the project's lessons per day.
    virtual void ResizeBusyTable() {}
    // The window became the active one: reference lists are rebuilt from their collections.
    virtual void Activated() {}
    // The collection was filled anew (a project was read): lists are rebuilt and the
    // first record is shown.
    virtual void Reload() { ShowRecord(recordCount() > 0 ? 0 : -1); }

    // The common commands, also reachable from tests.
    void AddRecord();
    void RemoveCurrentRecord();   // asks first
    void MoveCurrentRecord();     // through the move dialog
    void ShowPrevious() { ShowRecord(current_ - 1); }
    void ShowNext() { ShowRecord(current_ + 1); }

    // The state chosen with the busy / free buttons (0 free, 4 busy, 1..3 wishes).
    int chosenCellState() const { return chosenState_; }
    void setChosenCellState(int state);

signals:
    // 0xB0C9: the project's data changed in this editor.
    void dataChanged(int kind);
    // A help button or F1 asked for a topic.
    void helpRequested(int topic);

protected:
    virtual void fillRecord(int position) = 0;
    virtual void clearRecord() = 0;
    // Appends a record with the kind's defaults; returns its position.
    virtual int appendRecord() = 0;
    virtual void deleteRecord(int position) = 0;
    // Display names in collection order, for the move dialog; empty: no move.
    virtual QStringList recordNames() const { return {}; }
    // Moves the record so that it follows `after`; the new position or -1.
    virtual int moveRecord(int /*current*/, int /*after*/) { return -1; }
    // After a record was removed (its name-list entry goes with it).
    virtual void recordRemoved(int /*position*/) {}

    void markModified() { emit dataChanged(static_cast<int>(kind_)); }
    bool updating() const { return updating_ > 0; }
    ProjectParams& params() { return params_; }

    // While filling, change handlers must do nothing.
    class Filling {
    public:
        explicit Filling(EditorWindow& w) : w_(w) { ++w_.updating_; }
        ~Filling() { --w_.updating_; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        EditorWindow& w_;
    };

    // The row of common buttons; `withMove` false for the lessons editor.
    QWidget* makeCommandBar(bool withMove);
    // The busy / free buttons; teachers add the three wish buttons.
    QWidget* makeBusyButtons(bool withWishes);
    void updateNavigationButtons();
    void keyPressEvent(class QKeyEvent* event) override;

    QPushButton* addButton_ = nullptr;
    QPushButton* moveButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* prevButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;

private:
    EditorKind kind_;
    int helpContext_;
    ProjectParams& params_;
    int current_ = -1;
    int updating_ = 0;
    int chosenState_ = 0;
    QList<QToolButton*> stateButtons_;
};

}  // namespace lovaris::ui
