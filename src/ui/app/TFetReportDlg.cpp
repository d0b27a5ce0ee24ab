#include "TFetReportDlg.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/InterchangeTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TFetReportDlg::TFetReportDlg(QWidget* owner, const QString& report) : QDialog(owner) {
    setObjectName(QStringLiteral("fetReportDlg"));
    setWindowTitle(Res(InterchangeText::ImportFetReportCaption));
    auto* text = new QPlainTextEdit(report, this);
    text->setObjectName(QStringLiteral("reportText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* yes = new QPushButton(Res(TextId::Yes), this);
    yes->setObjectName(QStringLiteral("yesButton"));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    // Long kinds of constraints stay on one line, and the whole fits a 1366×768 screen.
    resize(900, 560);
}

}  // namespace lovaris::ui
