#pragma once
// What the two print dialogs ("Просмотр и печать") share: the choice layout with
// "Просмотр", "Печать", "Сохранить в PDF…", "Закрыть" and "Справка"; the preview
// layout with its zoom, page and print buttons around the page preview; the progress
// panel; print set-up; and the rule that the dialog stays open while a report runs.
// Each dialog supplies its choice of report and makes the chosen report.
#include <QDialog>
#include <QPrinter>
#include <QString>
#include <functional>
#include <optional>

#include "core/reports/Report.h"

class QAbstractButton;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace lovaris::ui {

class ReportPreview;

class ReportPrintDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kChoiceHelpTopic = 22;
    static constexpr int kPreviewHelpTopic = 23;

    bool reportRunning() const { return running_; }
    ReportPreview* preview() const { return preview_; }
    QProgressBar* progressBar() const { return progress_; }
    QWidget* choicePanel() const { return choicePanel_; }
    QWidget* previewPanel() const { return previewPanel_; }
    QLabel* pageLabel() const { return pageLabel_; }

    // The commands of the two layouts.
    void PreviewClick();
    void PrintClick();
    void SavePdfClick();
    void PreviewCommand(int command);  // the preview toolbar's buttons, by their tag
    void ClosePreview();               // "Готово"
    // "Закрыть", Escape: refused while a report runs.
    void reject() override;

    // What the dialog asks of the system, replaceable in tests: whether a printer is
    // installed, the printer to print on, the PDF file to write (empty: cancelled),
    // and the system's print dialog (false: cancelled).
    std::function<bool()> printerAvailable;
    std::function<QString(const QString& suggested)> askPdfPath;
    std::function<bool(QPrinter&)> confirmPrintSetup;
    // Where "Сохранить в PDF…" proposes its file: the project's folder.
    QString pdfFolder;

protected:
    explicit ReportPrintDialog(QWidget* parent);
    // Puts the dialog's own report choice into the choice layout.
    void setChoice(QWidget* choice);
    // Asks what the chosen report needs and makes it; none when the user cancelled.
    virtual std::optional<Report> MakeReport() = 0;

    void closeEvent(QCloseEvent* event) override;
    // Once the controls know their fonts, the choice layout takes the height it needs.
    void showEvent(QShowEvent* event) override;
    virtual void fitChoice() {}

private:
    QWidget* buildChoicePanel();
    QWidget* buildPreviewPanel();
    void showChoiceLayout();
    void showPreviewLayout();
    void showPageNumber();
    bool mayClose();
    bool checkPrinter();
    void printOn(const Report& report, QPrinter& printer);
    void writePdf(const Report& report);
    void showProgress(int steps);
    void advanceProgress(const Report& report, int page);
    void hideProgress();

    QVBoxLayout* choiceColumn_ = nullptr;
    QWidget* choicePanel_ = nullptr;
    QWidget* previewPanel_ = nullptr;
    QVBoxLayout* previewArea_ = nullptr;
    QToolButton* fitWidth_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    ReportPreview* preview_ = nullptr;
    bool running_ = false;
    bool generating_ = false;
    bool lastCollate_ = true;  // the last confirmed print dialog's collate choice
};

}  // namespace lovaris::ui
