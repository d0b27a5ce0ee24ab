#include "TMdiTable.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "EditorFactory.h"
#include "../common/HelpViewer.h"
#include "../common/TErrorBox.h"
#include "TProjParams.h"
#include "core/common/MessageFormat.h"
#include "ui/data/EditorWindow.h"

namespace lovaris::ui {
namespace {

constexpr int kEditorLeftStep = 20;

std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace

int WindowStateCode(const QWidget* window) {
    if (window->isMinimized()) return kWindowMinimized;
    if (window->isMaximized()) return kWindowMaximized;
    return kWindowNormal;
}

TMdiTable::TMdiTable(QWidget* mainWindow, QMdiArea* area) : QObject(mainWindow), mainWindow_(mainWindow), area_(area) {
    // An editor that becomes active rebuilds its lists from the other collections.
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        for (std::size_t k = 0; k < windows_.size(); ++k)
            if (window && windows_[k] == window) editors_[k]->Activated();
    });
}

TMdiTable::~TMdiTable() { destroyEditors(); }

bool TMdiTable::CreateNew(const QString& fileName) {
    const auto outcome = document_.CreateNew(utf8(fileName));
    if (!outcome.ok) {
        showFailure(outcome);
        return false;
    }
    createEditors();
    SetModified(true);
    return true;
}

bool TMdiTable::Open(const QString& fileName) {
    const auto outcome = document_.Open(utf8(fileName));
    if (!outcome.ok) {
        showFailure(outcome);
        return false;
    }
    createEditors();
    SetModified(false);
    return true;
}

void TMdiTable::Adopt(Project project, const QString& fileName) {
    document_.Adopt(std::move(project), utf8(fileName));
    createEditors();
    SetModified(true);
}

bool TMdiTable::Save() {
    const auto outcome = document_.Save();
    if (!outcome.ok) showFailure(outcome);
    UpdateCaption();
    return outcome.ok;
}

bool TMdiTable::SaveAs(const QString& fileName) {
    const auto outcome = document_.SaveAs(utf8(fileName));
    if (!outcome.ok) showFailure(outcome);
    UpdateCaption();
    return outcome.ok;
}

int TMdiTable::askSave(TextId question, int buttons) {
    const QString text = Text(FormatMessage(question, FileNameWithoutFolder(document_.GetFileName())));
    return ShowMessageText(mainWindow_, text, buttons);
}

int TMdiTable::QueryClose() {
    if (!modified()) return kCloseSaved;
    switch (askSave(TextId::ProjectModifiedAskSave, kButtonsYesNoCancel)) {
    case kResultYes:
        return Save() ? kCloseSaved : kCloseCancelled;
    case kResultNo:
        SetModified(false);
        return kCloseDiscarded;
    default:
        return kCloseCancelled;
    }
}

bool TMdiTable::EnsureSavedForPlanning() {
    if (askSave(TextId::ProjectModifiedAskSaveForPlanning, kButtonsYesNo) != kResultYes) return false;
    return Save();
}

QString TMdiTable::GetFileName() const { return Text(document_.GetFileName()); }

void TMdiTable::SetModified(bool flag) {
    document_.SetModified(flag);
    UpdateCaption();
}

void TMdiTable::UpdateCaption() { mainWindow_->setWindowTitle(Text(document_.caption())); }

void TMdiTable::ShowEditor(EditorKind kind, bool show, bool markModified) {
    QMdiSubWindow* window = editorWindow(kind);
    if (!window) return;
    auto& state = document_.params().windowState(kind);
    if (show) {
        window->show();
        editor(kind)->Refresh();
        state = WindowStateCode(window);
    } else {
        window->hide();
        state = kWindowHidden;
    }
    if (markModified) SetModified(true);
}

void TMdiTable::SetEditorState(EditorKind kind, int state) {
    document_.SetEditorState(kind, state);
    UpdateCaption();
}

bool TMdiTable::EditParams() {
    TProjParams dialog(mainWindow_, Text(ProjectDisplayName(document_.GetFileName())), document_.params());
    if (dialog.exec() != QDialog::Accepted) return false;
    SetModified(true);
    for (EditorWindow* e : editors_)
        if (e) e->ResizeBusyTable();
    return true;
}

void TMdiTable::HideEditors() {
    reporting_ = false;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (*it && (*it)->isVisible()) {
            (*it)->hide();
            QApplication::processEvents();
        }
    }
}

void TMdiTable::RestoreEditors(const std::array<bool, kEditorKinds>& shown) {
    for (int k = 0; k < kEditorKinds; ++k) {
        if (!shown[static_cast<std::size_t>(k)]) continue;
        ShowEditor(static_cast<EditorKind>(k), true, false);
        QApplication::processEvents();
    }
    reporting_ = true;
}

void TMdiTable::ActivateEditor(EditorKind kind) {
    if (QMdiSubWindow* window = editorWindow(kind)) area_->setActiveSubWindow(window);
}

void TMdiTable::createEditors() {
    reporting_ = false;
    Project& project = document_.project();
    for (int k = 0; k < kEditorKinds; ++k) {
        const auto kind = static_cast<EditorKind>(k);
        EditorWindow* editor = CreateEditor(kind, project, nullptr);
        QMdiSubWindow* window = area_->addSubWindow(editor);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setObjectName(QStringLiteral("editorWindow%1").arg(k));
        window->setProperty("tag", k);
        window->setWindowIcon(editor->windowIcon());
        window->installEventFilter(this);
        window->move(k * kEditorLeftStep, 0);
        editors_[index(kind)] = editor;
        windows_[index(kind)] = window;

        // 0xB0C9: any change of the records marks the project modified.
        connect(editor, &EditorWindow::dataChanged, this, [this] { SetModified(true); });
        connect(editor, &EditorWindow::helpRequested, this, [this](int topic) { ShowHelpTopic(mainWindow_, topic); });

        switch (project.params.windowState(kind)) {
        case kWindowHidden:
            break;
        case kWindowMaximized:
            window->showMaximized();
            break;
        case kWindowMinimized:
            window->showMinimized();
            break;
        default:
            window->show();
            break;
        }
        editor->ShowRecord(editor->recordCount() > 0 ? 0 : -1);
        QApplication::processEvents();
    }
    reporting_ = true;
}

void TMdiTable::destroyEditors() {
    reporting_ = false;
    disconnect(area_, nullptr, this, nullptr);
    for (int k = kEditorKinds - 1; k >= 0; --k) {
        QMdiSubWindow* window = windows_[static_cast<std::size_t>(k)];
        if (!window) continue;
        window->removeEventFilter(this);
        area_->removeSubWindow(window);
        delete window;  // takes its editor with it
        windows_[static_cast<std::size_t>(k)] = nullptr;
        editors_[static_cast<std::size_t>(k)] = nullptr;
    }
}

void TMdiTable::showFailure(const FileOutcome& outcome) { ShowMessageText(mainWindow_, Text(outcome.message)); }

bool TMdiTable::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (!window) return QObject::eventFilter(watched, event);
    const int kind = window->property("tag").toInt();
    switch (event->type()) {
    case QEvent::Close:
        // Editors are put away, never destroyed, by their close box.
        event->ignore();
        window->hide();
        QMetaObject::invokeMethod(this, [this, kind] { emit editorStateReported(kind, kWindowHidden); },
                                  Qt::QueuedConnection);
        return true;
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (reporting_ && window->isVisible() && area_->activeSubWindow() == window)
            emit editorStateReported(kind, WindowStateCode(window));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lovaris::ui
