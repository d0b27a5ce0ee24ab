#include "CountersPages.h"

#include <QVBoxLayout>

#include "core/common/EngineDialogTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

QWidget* Page(DialogGridView* grid) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid, 1);
    return page;
}

}  // namespace

CountersPages::CountersPages(DialogGridView* klasses, DialogGridView* teachers, QWidget* parent)
    : QTabWidget(parent), klasses_(klasses), teachers_(teachers) {
    setObjectName(QStringLiteral("pages"));
    addTab(Page(klasses), Res(EngineDialogText::KlassesPage));
    addTab(Page(teachers), Res(EngineDialogText::TeachersPage));
}

void CountersPages::addBelow(CountersPage page, QWidget* widget) {
    static_cast<QVBoxLayout*>(this->widget(page == CountersPage::Klasses ? 0 : 1)->layout())->addWidget(widget);
}

}  // namespace lovaris::ui
