#pragma once
// The open project as the main window sees it: the project document, its five
// editor windows in the frame's client area, the close and save questions, and the
// caption with the modified mark.
#include <QObject>
#include <QString>
#include <array>

#include "core/common/StringTable.h"
#include "core/data/ProjectDocument.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace lovaris::ui {

class EditorWindow;

// QueryClose results.
enum CloseAnswer : int { kCloseSaved = 1, kCloseCancelled = 2, kCloseDiscarded = 5 };

class TMdiTable : public QObject {
    Q_OBJECT
public:
    TMdiTable(QWidget* mainWindow, QMdiArea* area);
    ~TMdiTable() override;

    // Each shows the failure itself; on failure no editor exists.
    bool CreateNew(const QString& fileName);
    bool Open(const QString& fileName);
    // A project made elsewhere (an import), shown unsaved; `fileName` is where a save puts it.
    void Adopt(Project project, const QString& fileName);
    // A failed save is shown and leaves the project marked modified.
    bool Save();
    bool SaveAs(const QString& fileName);

    // 1 saved or nothing to save, 5 changes discarded, 2 cancelled (also when the
    // save that was asked for failed: the changes must not be lost).
    int QueryClose();
    // Asks to save before planning; true only when the project was saved.
    bool EnsureSavedForPlanning();

    QString GetFileName() const;
    bool modified() const { return document_.modified(); }
    void SetModified(bool flag);
    // The main window's caption for this project.
    void UpdateCaption();

    void ShowEditor(EditorKind kind, bool show, bool markModified);
    void SetEditorState(EditorKind kind, int state);
    // The parameters dialog; true when confirmed.
    bool EditParams();

    // Planning: every editor is hidden, from the last to the first...
    void HideEditors();
    // ...and afterwards the chosen ones come back as they were.
    void RestoreEditors(const std::array<bool, kEditorKinds>& shown);
    void ActivateEditor(EditorKind kind);
    EditorWindow* editor(EditorKind kind) const { return editors_[index(kind)]; }
    QMdiSubWindow* editorWindow(EditorKind kind) const { return windows_[index(kind)]; }
    bool hasEditors() const { return editors_[0] != nullptr; }

    ProjectDocument& document() { return document_; }

signals:
    // 0xB0C8: an editor window was closed (state 0, queued) or, being the active
    // one, resized, minimized or maximized (6, 3 or 1).
    void editorStateReported(int kind, int state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(EditorKind kind) { return static_cast<std::size_t>(kind); }
    void createEditors();
    void destroyEditors();
    void showFailure(const FileOutcome& outcome);
    int askSave(TextId question, int buttons);

    QWidget* mainWindow_;
    QMdiArea* area_;
    ProjectDocument document_{ProjectLocking::WhileOpen};  // no second copy writes over it
    std::array<EditorWindow*, kEditorKinds> editors_{};
    std::array<QMdiSubWindow*, kEditorKinds> windows_{};
    bool reporting_ = false;  // off while the windows are created or put away
};

// The shown-state code of an editor window: 6 minimized, 3 maximized, 1 normal.
int WindowStateCode(const QWidget* window);

}  // namespace lovaris::ui
