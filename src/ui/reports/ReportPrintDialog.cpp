#include "ReportPrintDialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLayout>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/common/MessageFormat.h"
#include "core/common/ReportTexts.h"
#include "render/ReportRenderer.h"
#include "ReportPreview.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

// The choice layout is this wide; the preview opens large enough to read a page.
constexpr int kChoiceWidth = 539;
constexpr QSize kPreviewSize(760, 640);

QPushButton* Button(QWidget* parent, const char* name, ReportText caption, ReportText hint, int help) {
    auto* b = new QPushButton(Res(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(Res(hint));
    b->setProperty("helpContext", help);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ReportPrintDialog::ReportPrintDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Res(ReportText::DialogCaption));
    setModal(true);
    printerAvailable = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    askPdfPath = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, Res(ReportText::SavePdf), suggested, Res(ReportText::PdfFilter));
    };
    confirmPrintSetup = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
        return dialog.exec() == QDialog::Accepted;
    };

    auto* layout = new QVBoxLayout(this);
    choicePanel_ = buildChoicePanel();
    previewPanel_ = buildPreviewPanel();
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->hide();
    layout->addWidget(choicePanel_);
    layout->addWidget(previewPanel_, 1);
    layout->addWidget(progress_);
    showChoiceLayout();
}

QWidget* ReportPrintDialog::buildChoicePanel() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    choiceColumn_ = new QVBoxLayout;
    row->addLayout(choiceColumn_, 1);
    auto* buttons = new QVBoxLayout;
    auto* preview = Button(panel, "previewButton", ReportText::Preview, ReportText::PreviewHint, 504);
    auto* print = Button(panel, "printButton", ReportText::Print, ReportText::PrintHint, 505);
    auto* pdf = Button(panel, "savePdfButton", ReportText::SavePdf, ReportText::SavePdfHint, 505);
    auto* close = Button(panel, "closeButton", ReportText::Close, ReportText::CloseHint, 506);
    auto* help = Button(panel, "helpButton", ReportText::Help, ReportText::HelpHint, 507);
    preview->setDefault(true);
    for (QPushButton* b : {preview, print, pdf, close, help}) buttons->addWidget(b);
    buttons->addStretch();
    row->addLayout(buttons);
    connect(preview, &QPushButton::clicked, this, &ReportPrintDialog::PreviewClick);
    connect(print, &QPushButton::clicked, this, &ReportPrintDialog::PrintClick);
    connect(pdf, &QPushButton::clicked, this, &ReportPrintDialog::SavePdfClick);
    connect(close, &QPushButton::clicked, this, &ReportPrintDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kChoiceHelpTopic); });
    return panel;
}

QWidget* ReportPrintDialog::buildPreviewPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    auto* zoom = new QButtonGroup(panel);
    const auto tool = [&](const char* name, ReportText hint, int command, bool checkable) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(Res(hint));
        b->setToolTip(Res(hint));
        b->setCheckable(checkable);
        if (checkable) zoom->addButton(b);
        connect(b, &QToolButton::clicked, this, [this, command] { PreviewCommand(command); });
        tools->addWidget(b);
        return b;
    };
    tool("fitHeightButton", ReportText::FitHeight, kZoomPage, true);
    fitWidth_ = tool("fitWidthButton", ReportText::FitWidth, kZoomWidth, true);
    tool("zoom100Button", ReportText::Zoom100, kZoom100, true);
    tool("printReportButton", ReportText::PrintReport, kPrintSetup, false);
    auto* pdf = new QToolButton(panel);
    pdf->setObjectName(QStringLiteral("previewPdfButton"));
    pdf->setText(Res(ReportText::SavePdf));
    pdf->setToolTip(Res(ReportText::SavePdfHint));
    connect(pdf, &QToolButton::clicked, this, &ReportPrintDialog::SavePdfClick);
    tools->addWidget(pdf);
    auto* help = new QToolButton(panel);
    help->setObjectName(QStringLiteral("previewHelpButton"));
    help->setText(Res(ReportText::CallHelp));
    help->setToolTip(Res(ReportText::CallHelp));
    connect(help, &QToolButton::clicked, this, [this] { ShowHelpTopic(this, kPreviewHelpTopic); });
    tools->addWidget(help);
    tools->addStretch();
    // Page turning and "Готово" under the page, on the right.
    auto* pages = new QHBoxLayout;
    pageLabel_ = new QLabel(panel);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    pages->addWidget(pageLabel_);
    pages->addStretch();
    auto* previous = new QPushButton(Res(ReportText::PreviousPage), panel);
    previous->setObjectName(QStringLiteral("previousPageButton"));
    auto* next = new QPushButton(Res(ReportText::NextPage), panel);
    next->setObjectName(QStringLiteral("nextPageButton"));
    auto* done = new QPushButton(Res(ReportText::Done), panel);
    done->setObjectName(QStringLiteral("doneButton"));
    done->setToolTip(Res(ReportText::DoneHint));
    for (QPushButton* b : {previous, next, done}) {
        b->setAutoDefault(false);
        pages->addWidget(b);
    }
    connect(previous, &QPushButton::clicked, this, [this] { PreviewCommand(kPreviousPage); });
    connect(next, &QPushButton::clicked, this, [this] { PreviewCommand(kNextPage); });
    connect(done, &QPushButton::clicked, this, &ReportPrintDialog::ClosePreview);
    column->addLayout(tools);
    previewArea_ = new QVBoxLayout;
    column->addLayout(previewArea_, 1);
    column->addLayout(pages);
    return panel;
}

void ReportPrintDialog::setChoice(QWidget* choice) {
    choiceColumn_->addWidget(choice);
    showChoiceLayout();
}

void ReportPrintDialog::showChoiceLayout() {
    previewPanel_->hide();
    choicePanel_->show();
    setProperty("helpContext", kChoiceHelpTopic);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (layout()) layout()->activate();
    setFixedSize(kChoiceWidth, std::max(sizeHint().height(), minimumSizeHint().height()));
}

void ReportPrintDialog::showPreviewLayout() {
    choicePanel_->hide();
    previewPanel_->show();
    fitWidth_->setChecked(true);
    setProperty("helpContext", kPreviewHelpTopic);
    setMinimumSize(std::max(kChoiceWidth, previewPanel_->minimumSizeHint().width() + 24), 330);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(kPreviewSize);
    KeepOnScreen(this);  // it grew from the choice's size where the choice stood
}

void ReportPrintDialog::PreviewClick() {
    if (running_) return;
    running_ = true;
    showPreviewLayout();
    std::optional<Report> report = MakeReport();
    if (!report) {
        ClosePreview();
        return;
    }
    showProgress(report->progressSteps);
    preview_ = new ReportPreview(std::move(*report), previewPanel_);
    previewArea_->addWidget(preview_);
    // Scrolling to another page changes the preview; turning a page is told below.
    connect(preview_->view(), &QPrintPreviewWidget::previewChanged, this, &ReportPrintDialog::showPageNumber);
    showPageNumber();
    hideProgress();
}

void ReportPrintDialog::showPageNumber() {
    if (!preview_) return;
    pageLabel_->setText(
        Text(FormatMessage(LoadResText(ReportText::PageOfPages), std::to_string(preview_->currentPage()))) +
        QString::number(preview_->pageCount()));
}

void ReportPrintDialog::ClosePreview() {
    if (preview_) {
        previewArea_->removeWidget(preview_);
        delete preview_;
        preview_ = nullptr;
    }
    hideProgress();
    showChoiceLayout();
    running_ = false;
}

void ReportPrintDialog::PreviewCommand(int command) {
    if (!preview_) return;
    switch (command) {
        case kZoomWidth: preview_->ZoomToWidth(); break;
        case kZoomPage: preview_->ZoomToPage(); break;
        case kZoom100: preview_->Zoom100(); break;
        case kPreviousPage:
            preview_->PreviousPage();
            showPageNumber();
            break;
        case kNextPage:
            preview_->NextPage();
            showPageNumber();
            break;
        case kPrintSetup: {
            if (!checkPrinter()) return;
            if (generating_) {
                ShowMessageText(this, Res(ReportText::GenerationRunning));
                return;
            }
            QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
            printer.setPageLayout(ReportPageLayout(preview_->report()));
            printer.setCollateCopies(lastCollate_);
            printer.setFromTo(1, preview_->pageCount());
            if (!confirmPrintSetup(printer)) return;
            lastCollate_ = printer.collateCopies();
            printOn(preview_->report(), printer);
            break;
        }
        case kPrintNow: {
            if (!checkPrinter()) return;
            QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
            printer.setPageLayout(ReportPageLayout(preview_->report()));
            printOn(preview_->report(), printer);
            break;
        }
        default: break;
    }
}

// Printing with no printer installed prints nothing: say so, as print set-up does.
bool ReportPrintDialog::checkPrinter() {
    if (printerAvailable()) return true;
    ShowMessageText(this, Res(ReportText::NoPrinter));
    return false;
}

void ReportPrintDialog::printOn(const Report& report, QPrinter& printer) {
    printer.setCollateCopies(lastCollate_);
    showProgress(report.progressSteps);
    generating_ = true;
    PrintReportOn(report, printer, [&](int page) { advanceProgress(report, page); });
    generating_ = false;
    hideProgress();
}

void ReportPrintDialog::PrintClick() {
    if (running_ || !checkPrinter()) return;
    running_ = true;
    if (std::optional<Report> report = MakeReport()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setPageLayout(ReportPageLayout(*report));
        printOn(*report, printer);
    }
    running_ = false;
}

void ReportPrintDialog::SavePdfClick() {
    if (preview_) {
        writePdf(preview_->report());
        return;
    }
    if (running_) return;
    running_ = true;
    if (std::optional<Report> report = MakeReport()) writePdf(*report);
    running_ = false;
}

// The report's name, and whose it is: "Расписание для класса 5А.pdf".
static QString SuggestedPdfName(const Report& report) {
    QString name = QString::fromStdString(report.fileTitle.empty() ? report.name : report.fileTitle);
    static const QRegularExpression unfit(QStringLiteral("[\\\\/:*?\"<>|]"));
    return name.replace(unfit, QStringLiteral("_")) + QStringLiteral(".pdf");
}

void ReportPrintDialog::writePdf(const Report& report) {
    const QString name = SuggestedPdfName(report);
    QString path = askPdfPath(pdfFolder.isEmpty() ? name : QDir(pdfFolder).filePath(name));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    showProgress(report.progressSteps);
    generating_ = true;
    const bool written = WriteReportPdf(report, path, nullptr, [&](int page) { advanceProgress(report, page); });
    generating_ = false;
    hideProgress();
    if (!written)
        ShowMessageText(this, QString::fromStdString(FormatMessage(TextId::FileWriteError, path.toStdString())));
}

// A report of fewer than two steps shows no progress panel.
void ReportPrintDialog::showProgress(int steps) {
    if (steps < 2) return;
    progress_->setRange(0, steps - 1);
    progress_->setValue(0);
    progress_->show();
    progress_->repaint();
}

// The report's steps spread over its pages as they are drawn.
void ReportPrintDialog::advanceProgress(const Report& report, int page) {
    if (!progress_->isVisible() || report.pages.empty()) return;
    progress_->setValue(progress_->maximum() * page / static_cast<int>(report.pages.size()));
    progress_->repaint();
}

void ReportPrintDialog::hideProgress() { progress_->hide(); }

bool ReportPrintDialog::mayClose() {
    if (!running_) return true;
    ShowMessageText(this, Res(ReportText::CannotCloseWhileRunning));
    return false;
}

void ReportPrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (preview_ || running_) return;
    fitChoice();
    showChoiceLayout();
}

void ReportPrintDialog::reject() {
    if (mayClose()) QDialog::reject();
}

void ReportPrintDialog::closeEvent(QCloseEvent* event) {
    if (mayClose())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

}  // namespace lovaris::ui
