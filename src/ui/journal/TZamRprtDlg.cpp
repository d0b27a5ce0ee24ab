#include "TZamRprtDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "JournalWidgets.h"
#include "SummaryTableModel.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

QTableView* summaryGrid(QWidget* parent, const char* name, SummaryTableModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->verticalHeader()->hide();
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->setProperty("helpContext", kJournalHelpTopic);
    return view;
}

}  // namespace

TZamRprtDlg::TZamRprtDlg(QWidget* owner, const PeriodSummary& summary)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMaximizeButtonHint) {
    setObjectName(QStringLiteral("zamRprtDialog"));
    setWindowTitle(Text(SummaryCaption(summary)));
    setProperty("helpContext", kJournalHelpTopic);

    pages_ = new QTabWidget(this);
    ill_ = summaryGrid(pages_, "IllGrid", SummaryTableModel::Absences(summary, this));
    health_ = summaryGrid(pages_, "HealthGrid", SummaryTableModel::Substitutions(summary, this));
    pages_->addTab(ill_, Res(JournalText::AbsencesPage));
    pages_->addTab(health_, Res(JournalText::SubstitutionsPage));

    auto* close = MakeJournalButton(this, "CloseBtn", JournalText::CloseButton, JournalText::CloseHint);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeJournalHelpButton(this));
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    resize(620, 400);
}

}  // namespace lovaris::ui
