#include "TTblAboutDlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "../common/AppIcons.h"
#include "../common/TErrorBox.h"
#include "core/common/ShellTexts.h"

namespace lovaris::ui {

TTblAboutDlg::TTblAboutDlg(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TTblAboutDlg"));
    setWindowTitle(Res(ShellText::AboutCaption));
    setProperty("helpContext", 26);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* logo = new QLabel(panel);
    logo->setPixmap(LogoPixmap(64));
    auto* name = new QLabel(Res(ShellText::AboutProgram), panel);
    name->setObjectName(QStringLiteral("programLabel"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(Res(ShellText::AboutVersion), panel);
    auto* date = new QLabel(Res(ShellText::AboutDate), panel);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(date);
    texts->addStretch();
    auto* inside = new QHBoxLayout(panel);
    inside->setContentsMargins(14, 14, 24, 14);
    inside->setSpacing(16);
    inside->addWidget(logo, 0, Qt::AlignTop);
    inside->addLayout(texts);

    auto* close = new QPushButton(Res(ShellText::AboutClose), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setToolTip(Res(ShellText::AboutCloseHint));
    close->setProperty("helpContext", 381);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace lovaris::ui
