#include "TPrintTableDlg.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/common/JournalTexts.h"
#include "core/common/ReportTexts.h"
#include "core/journal/SubstitutionArchive.h"
#include "core/reports/TAllClsRpForm.h"
#include "core/reports/TClassTableRpForm.h"
#include "core/reports/TMedTableRpForm.h"
#include "core/reports/TZamDayRpForm.h"
#include "core/workspace/VariantWorkspace.h"
#include "ui/common/TErrorBox.h"
#include "ui/data/TSelItemDlg.h"
#include "ui/journal/JournalWidgets.h"
#include "ui/journal/TSelDateDlg.h"

namespace lovaris::ui {

TPrintTableDlg::TPrintTableDlg(VariantWorkspace& workspace, QWidget* parent)
    : ReportPrintDialog(parent), workspace_(workspace), dayWhenOpened_(workspace.currentDay()) {
    setObjectName(QStringLiteral("TPrintTableDlg"));
    archivePath = QString::fromStdString(SubstitutionArchive::PathFor(QCoreApplication::applicationDirPath().toStdString()));
    askPeriod = [](TSelDateDlg& dialog) { return dialog.exec() == QDialog::Accepted; };
    auto* group = new QGroupBox(Res(ReportText::ChoiceGroup), this);
    auto* column = new QVBoxLayout(group);
    grid_ = new QListWidget(group);
    grid_->setObjectName(QStringLiteral("ReportTypeGrid"));
    for (int row = 0; row < kRowCount; ++row)
        grid_->addItem(QString::fromStdString(LoadResText(static_cast<int>(ReportText::ListLoadTable) + row)));
    grid_->setCurrentRow(0);
    fitChoice();
    connect(grid_, &QListWidget::itemDoubleClicked, this, &TPrintTableDlg::PreviewClick);
    column->addWidget(grid_);
    setChoice(group);
}

// Every row in sight, none scrolled away.
void TPrintTableDlg::fitChoice() {
    grid_->setFixedHeight(grid_->sizeHintForRow(0) * kRowCount + 2 * grid_->frameWidth() + 2);
}

// The reports read the variant without moving its day; the day is put back all the same.
TPrintTableDlg::~TPrintTableDlg() { workspace_.state().currentDay = dayWhenOpened_; }

std::optional<std::pair<int, bool>> TPrintTableDlg::chooseItem(bool klass) {
    TSelItemDlg dialog(this);
    dialog.setWindowTitle(Res(klass ? ReportText::Klass : ReportText::Teacher));
    dialog.setTag(1);
    QStringList names;
    const auto& session = workspace_.session();
    if (klass)
        for (const auto& k : session.klasses()) names << QString::fromStdString(k.displayName());
    else
        for (const auto& t : session.teachers()) names << QString::fromStdString(t.displayName());
    dialog.setNames(names);
    const int chosen = dialog.run();
    if (chosen <= 0) return std::nullopt;
    return std::make_pair(chosen - 1, dialog.shortForm());
}

std::optional<Report> TPrintTableDlg::substitutionReport(bool oneDay) {
    const auto archive = SubstitutionArchive::Open(archivePath.toStdString());
    if (!archive) {
        ShowMessageText(this, Res(JournalText::ArchiveOpenError));
        return std::nullopt;
    }
    TSelDateDlg period(this, oneDay, TodaySerial());
    if (!askPeriod(period)) {
        archive->Close();
        return std::nullopt;
    }
    const SerialDate from = period.from();
    const SerialDate to = period.to();
    const SubstitutionTitles titles{workspace_.session().params().description, workspace_.options().comment};
    std::optional<Report> report =
        oneDay ? TZamDayRpForm::Build(titles, from, archive->ReadDay(from))
               : TZamArcRpForm::Build(titles, from, to, [&](SerialDate d) { return archive->ReadDay(d); });
    archive->Close();
    return report;
}

std::optional<Report> TPrintTableDlg::MakeReport() {
    const ViewContext ctx{workspace_.session(), workspace_.planning(), workspace_.options()};
    switch (grid_->currentRow()) {
        case kLoadTable: return TMedTableRpForm::Build(ctx, AllClassesMarked(ctx));
        case kLoadCharts: return TMedChartRpForm::Build(ctx, AllClassesMarked(ctx));
        case kSubstDay:
        case kSubstPeriod: return substitutionReport(grid_->currentRow() == kSubstDay);
        case kAllClasses: return TAllClsRpForm::Build(ctx);
        case kAllTeachers: return TAllTchRpForm::Build(ctx);
        case kClassTable:
        case kTeacherTable: {
            const bool klass = grid_->currentRow() == kClassTable;
            if (klass ? ctx.session.klasses().empty() : ctx.session.teachers().empty()) return std::nullopt;
            const auto chosen = chooseItem(klass);
            if (!chosen) return std::nullopt;
            return klass ? TClassTableRpForm::Build(ctx, chosen->first, chosen->second)
                         : TTeacherTableRpForm::Build(ctx, chosen->first, chosen->second);
        }
        default: return std::nullopt;
    }
}

}  // namespace lovaris::ui
