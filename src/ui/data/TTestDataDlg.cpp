#include "TTestDataDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/common/CheckTexts.h"
#include "core/common/EditorTexts.h"
#include "core/data/DataCheck.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kWindowTopic = 27;
const char* const kPageNames[kEditorKinds] = {"roomsPage", "subjectsPage", "classesPage", "teachersPage",
                                              "lessonsPage"};

QTextEdit* MakePage(QWidget* parent, const char* name) {
    auto* text = new QTextEdit(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setProperty("helpContext", 492);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setLineWrapMode(QTextEdit::WidgetWidth);
    text->setAcceptRichText(false);
    return text;
}

}  // namespace

TTestDataDlg::TTestDataDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dataCheckWindow"));
    setWindowTitle(Res(CheckText::WindowCaption));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("helpContext", kWindowTopic);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("checkPages"));
    pages_->setProperty("helpContext", 491);
    for (int kind = 0; kind < kEditorKinds; ++kind) {
        texts_[kind] = MakePage(pages_, kPageNames[kind]);
        pages_->addTab(texts_[kind], Res(static_cast<TextId>(static_cast<int>(TextId::RoomsCaption) + kind)));
    }

    auto* close = new QPushButton(Res(CheckText::CloseCaption), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setToolTip(Res(CheckText::CloseHint));
    close->setProperty("helpContext", 493);
    close->setAutoDefault(false);
    auto* help = new QPushButton(Res(EditorText::HelpCaption), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setToolTip(Res(EditorText::HelpHint));
    help->setProperty("helpContext", 494);
    help->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kWindowTopic); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    resize(680, 420);
}

QTextEdit* TTestDataDlg::page(EditorKind kind) const { return texts_[static_cast<int>(kind)]; }

QString TTestDataDlg::pageText(EditorKind kind) const { return page(kind)->toPlainText(); }

void TTestDataDlg::runChecks(const Project& project) {
    const DataCheckReport report = RunDataCheck(project);
    const QPointer<TTestDataDlg> self(this);
    for (int kind = 0; kind < kEditorKinds; ++kind) {
        QTextEdit* text = texts_[kind];
        text->clear();
        pages_->setCurrentIndex(kind);
        QApplication::processEvents();
        if (!self || closing_) return;  // closed while the check was running
        fillPage(text, report.pages[static_cast<std::size_t>(kind)]);
    }
}

// Wrapped lines of a finding hang under its text, so that the numbers stand out.
void TTestDataDlg::fillPage(QTextEdit* text, const std::vector<std::string>& lines) {
    const int indent = text->fontMetrics().horizontalAdvance(QStringLiteral("00. "));
    QTextBlockFormat format;
    format.setLeftMargin(indent);
    format.setTextIndent(-indent);
    format.setBottomMargin(2);
    QTextCursor cursor(text->document());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        cursor.insertText(Text(lines[i]));
    }
}

void TTestDataDlg::reject() { close(); }

void TTestDataDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    emit closed();
}

}  // namespace lovaris::ui
