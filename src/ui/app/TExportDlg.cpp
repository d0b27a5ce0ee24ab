#include "TExportDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

#include "core/common/FileIO.h"
#include "core/common/InterchangeTexts.h"
#include "core/export/ExportFiles.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

using X = InterchangeText;
constexpr int kDialogHelp = 4200;
// The bells rarely change: the file chosen last is offered again.
const QString kBellsSetting = QStringLiteral("export/bellsFile");

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* WithBrowse(QLineEdit* edit, QPushButton* browse) {
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    return row;
}

CalendarDate DateOf(const QDate& d) { return {d.year(), d.month(), d.day()}; }

}  // namespace

TExportDlg::TExportDlg(QWidget* owner, TimetableWeek week, std::string variantComment, const QString& variantFile)
    : QDialog(owner), week_(std::move(week)), comment_(std::move(variantComment)) {
    setObjectName(QStringLiteral("TExportDlg"));
    setWindowTitle(Res(X::ExportCaption));
    setProperty("helpContext", kDialogHelp);
    const QFileInfo info(variantFile);
    base_ = info.absoluteDir().filePath(info.completeBaseName());

    auto* formats = new QGroupBox(Res(X::ExportFormatBox), this);
    html_ = new QRadioButton(Res(X::ExportHtml), formats);
    html_->setObjectName(QStringLiteral("htmlRadio"));
    csv_ = new QRadioButton(Res(X::ExportCsv), formats);
    csv_->setObjectName(QStringLiteral("csvRadio"));
    ical_ = new QRadioButton(Res(X::ExportICal), formats);
    ical_->setObjectName(QStringLiteral("icalRadio"));
    html_->setChecked(true);
    auto* formatRows = new QVBoxLayout(formats);
    for (QRadioButton* r : {html_, csv_, ical_}) {
        formatRows->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) formatChanged();
        });
    }

    target_ = new QLineEdit(this);
    target_->setObjectName(QStringLiteral("targetEdit"));
    target_->setMinimumWidth(360);
    auto* browseTarget = Button(this, "browseTargetButton", Res(X::ExportBrowse));
    connect(browseTarget, &QPushButton::clicked, this, &TExportDlg::browseTarget);

    calendarBox_ = new QWidget(this);
    forClass_ = new QRadioButton(Res(X::ExportForClass), calendarBox_);
    forClass_->setObjectName(QStringLiteral("forClassRadio"));
    forTeacher_ = new QRadioButton(Res(X::ExportForTeacher), calendarBox_);
    forTeacher_->setObjectName(QStringLiteral("forTeacherRadio"));
    forClass_->setChecked(true);
    owner_ = new QComboBox(calendarBox_);
    owner_->setObjectName(QStringLiteral("ownerList"));
    owner_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto fillOwners = [this] {
        owner_->clear();
        for (const auto& name : forClass_->isChecked() ? week_.classNames : week_.teacherNames) owner_->addItem(Text(name));
    };
    fillOwners();
    connect(forClass_, &QRadioButton::toggled, this, fillOwners);
    connect(owner_, &QComboBox::currentIndexChanged, this, &TExportDlg::ownerChanged);
    // The autumn term of this year, to be corrected by the planner.
    const int year = QDate::currentDate().year();
    from_ = new QDateEdit(QDate(year, 9, 1), calendarBox_);
    from_->setObjectName(QStringLiteral("fromDate"));
    to_ = new QDateEdit(QDate(year, 12, 27), calendarBox_);
    to_->setObjectName(QStringLiteral("toDate"));
    for (QDateEdit* d : {from_, to_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    bells_ = new QLineEdit(calendarBox_);
    bells_->setObjectName(QStringLiteral("bellsEdit"));
    bells_->setText(QSettings().value(kBellsSetting).toString());
    auto* browseBells = Button(calendarBox_, "browseBellsButton", Res(X::ExportBrowse));
    connect(browseBells, &QPushButton::clicked, this, &TExportDlg::browseBells);

    auto* whose = new QHBoxLayout;
    whose->addWidget(forClass_);
    whose->addWidget(forTeacher_);
    whose->addWidget(owner_, 1);
    auto* term = new QHBoxLayout;
    term->addWidget(from_);
    term->addWidget(new QLabel(Res(X::ExportToLabel), calendarBox_));
    term->addWidget(to_);
    term->addStretch(1);
    auto* calendarRows = new QFormLayout(calendarBox_);
    calendarRows->setContentsMargins(0, 0, 0, 0);
    calendarRows->addRow(Res(X::ExportForLabel), whose);
    calendarRows->addRow(Res(X::ExportFromLabel), term);
    calendarRows->addRow(Res(X::ExportBellsLabel), WithBrowse(bells_, browseBells));

    auto* targetRows = new QFormLayout;
    targetRows->addRow(Res(X::ExportTargetLabel), WithBrowse(target_, browseTarget));

    auto* exportButton = Button(this, "exportButton", Res(X::ExportButton));
    exportButton->setDefault(true);
    auto* cancel = Button(this, "cancelButton", Res(X::ExportCancel));
    auto* help = Button(this, "helpButton", Res(X::ExportHelp));
    connect(exportButton, &QPushButton::clicked, this, &TExportDlg::exportClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kDialogHelp); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formats);
    layout->addLayout(targetRows);
    layout->addWidget(calendarBox_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    formatChanged();
}

QString TExportDlg::suggestedTarget() const {
    if (html_->isChecked()) return base_ + QStringLiteral("-html");
    if (csv_->isChecked()) return base_ + QStringLiteral(".csv");
    return base_ + QLatin1Char('-') + owner_->currentText() + QStringLiteral(".ics");
}

void TExportDlg::formatChanged() {
    calendarBox_->setEnabled(ical_->isChecked());
    suggested_ = suggestedTarget();
    target_->setText(suggested_);
}

void TExportDlg::ownerChanged() {
    // The calendar's name follows the class or teacher, unless the planner named the file.
    if (!ical_->isChecked() || target_->text() != suggested_) return;
    suggested_ = suggestedTarget();
    target_->setText(suggested_);
}

void TExportDlg::browseTarget() {
    QString chosen;
    if (html_->isChecked())
        chosen = QFileDialog::getExistingDirectory(this, Res(X::ExportCaption), target_->text());
    else
        chosen = QFileDialog::getSaveFileName(this, Res(X::ExportCaption), target_->text(),
                                              csv_->isChecked() ? Res(X::CsvFilter) : Res(X::ICalFilter));
    if (!chosen.isEmpty()) target_->setText(chosen);
}

void TExportDlg::browseBells() {
    const QString chosen = QFileDialog::getOpenFileName(this, Res(X::ExportBellsLabel), bells_->text(), Res(X::BellsFilter));
    if (!chosen.isEmpty()) bells_->setText(chosen);
}

void TExportDlg::exportClicked() {
    const std::string target = target_->text().trimmed().toStdString();
    FileOutcome outcome = FileOutcome::failure({});
    if (target.empty()) {
        outcome.message = LoadResText(X::ExportTargetLabel);
    } else if (html_->isChecked()) {
        outcome = WriteHtmlExport(week_, comment_, target);
    } else if (csv_->isChecked()) {
        outcome = WriteCsvExport(week_, target);
    } else {
        outcome = writeCalendar(target);
    }
    if (!outcome.ok) {
        ShowMessageText(this, Res(X::ExportFailed) + Text(outcome.message));
        return;
    }
    ShowMessageText(this, Res(X::ExportDone) + target_->text().trimmed());
    accept();
}

FileOutcome TExportDlg::writeCalendar(const std::string& target) {
    const QString bellsPath = bells_->text().trimmed();
    if (bellsPath.isEmpty()) return FileOutcome::failure(LoadResText(X::ExportNoBells));
    const auto bytes = ReadWholeFile(bellsPath.toStdString());
    if (!bytes) return FileOutcome::failure(LoadResText(X::ExportBellsUnreadable) + bellsPath.toStdString());
    const BellsResult bells = ParseBells(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!bells.error.empty()) return FileOutcome::failure(bells.error);
    QSettings().setValue(kBellsSetting, QFileInfo(bellsPath).absoluteFilePath());

    ICalRequest request;
    (forClass_->isChecked() ? request.klass : request.teacher) = owner_->currentIndex();
    request.from = DateOf(from_->date());
    request.to = DateOf(to_->date());
    request.stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmssZ")).toStdString();
    request.bells = bells.bells;
    return WriteICalExport(week_, request, target);
}

}  // namespace lovaris::ui
