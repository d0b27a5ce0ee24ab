#include "HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QList>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/common/CheckTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

constexpr int kContentsTopic = 1;
constexpr int kHelpKindsTopic = 4;  // the viewer's own topic: "Виды справки"

// One look for every page, so the pages themselves stay plain HTML.
constexpr const char* kPageStyle =
    "body { font-size: 10pt; }"
    "h1 { font-size: 14pt; color: #1f4e79; }"
    "h2 { font-size: 11pt; color: #1f4e79; }"
    "p.note { background-color: #eef3f8; }"
    "td, th { padding: 2px 6px; }"
    "th { background-color: #dde7f0; text-align: left; }";

QString TopicPath(int topic) { return QStringLiteral(":/help/%1.html").arg(topic); }
QUrl TopicUrl(int topic) { return QUrl(QStringLiteral("qrc:/help/%1.html").arg(topic)); }

// "qrc:/help/12.html" -> 12; 0 for anything else.
int TopicOfUrl(const QUrl& url) {
    const QFileInfo file(url.path());
    if (file.suffix() != QLatin1String("html")) return 0;
    bool ok = false;
    const int topic = file.completeBaseName().toInt(&ok);
    return ok ? topic : 0;
}

QString MissingTopicPage(int topic) {
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%2</p><p><a href=\"%3.html\">%4</a></p>"
                          "</body></html>")
        .arg(Res(CheckText::HelpViewerCaption), Res(CheckText::HelpTopicMissing).arg(topic))
        .arg(kContentsTopic)
        .arg(Res(CheckText::HelpContentsCaption));
}

// A missing page is answered by a plain note instead of an empty window.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource) {
            const int topic = TopicOfUrl(name);
            if (topic > 0 && !HelpTopicHasPage(topic)) return MissingTopicPage(topic);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

// Every viewer, whatever window it currently hangs under; found by its home window.
QList<QPointer<HelpViewer>>& Viewers() {
    static QList<QPointer<HelpViewer>> viewers;
    return viewers;
}

// Unlike QWidget::isAncestorOf, crosses window boundaries.
bool IsUnder(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

// The main window a widget belongs to: the top of its parent chain across windows.
QWidget* HomeOf(QWidget* from) {
    QWidget* home = from;
    while (home && home->parentWidget()) home = home->parentWidget();
    return home;
}

QPushButton* MakeNavButton(QWidget* parent, const char* name, CheckText caption, CheckText hint) {
    auto* button = new QPushButton(Res(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(Res(hint));
    button->setAutoDefault(false);
    return button;
}

class ContextHelpKey : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        ShowContextHelp(widget);
        return true;
    }
};

}  // namespace

HelpViewer::HelpViewer(QWidget* home) : QWidget(home, Qt::Window), home_(home) {
    setObjectName(QStringLiteral("helpViewer"));
    setProperty("helpContext", kHelpKindsTopic);
    setAttribute(Qt::WA_DeleteOnClose);

    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));

    auto* contents = MakeNavButton(this, "contentsButton", CheckText::HelpContentsCaption, CheckText::HelpContentsHint);
    auto* back = MakeNavButton(this, "backButton", CheckText::HelpBackCaption, CheckText::HelpBackHint);
    auto* forward = MakeNavButton(this, "forwardButton", CheckText::HelpForwardCaption, CheckText::HelpForwardHint);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(kContentsTopic); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        topic_ = TopicOfUrl(url);
        updateCaption();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    // Escape puts the help away, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    resize(560, 620);
    Viewers().append(this);
}

void HelpViewer::showTopic(int topic) {
    if (topic == topic_ && browser_->source() == TopicUrl(topic)) return;
    browser_->setSource(TopicUrl(topic));
}

void HelpViewer::updateCaption() {
    const QString title = browser_->documentTitle();
    const QString caption = Res(CheckText::HelpViewerCaption);
    setWindowTitle(title.isEmpty() || title == caption ? caption : caption + QStringLiteral(": ") + title);
}

// A modal dialog blocks every window outside it; while one is open the viewer moves
// under it, so that help asked from the dialog can be read and scrolled.
void HelpViewer::followModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || IsUnder(this, modal)) return;
    if (modalHost_) modalHost_->removeEventFilter(this);
    modalHost_ = modal;
    modal->installEventFilter(this);
    moveTo(modal);
}

// Help asked from a window that stays on top would otherwise open behind it.
void HelpViewer::matchStaysOnTop(const QWidget* source) {
    const bool onTop = source && source->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) show();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == modalHost_ && event->type() == QEvent::Hide) {
        modalHost_->removeEventFilter(this);
        modalHost_ = nullptr;
        moveTo(home_);  // back home before the dialog is destroyed and takes the viewer along
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::moveTo(QWidget* parent) {
    const bool wasVisible = isVisible();
    const QPoint position = pos();
    setParent(parent, windowFlags());
    move(position);
    if (wasVisible) show();
}

bool HelpTopicHasPage(int topic) { return topic > 0 && QFile::exists(TopicPath(topic)); }

namespace {
int OwnHelpContext(const QWidget* widget) {
    bool ok = false;
    const int topic = widget->property("helpContext").toInt(&ok);
    return ok && topic > 0 ? topic : 0;
}
}  // namespace

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const int topic = OwnHelpContext(w)) return topic;
    return 0;
}

HelpViewer* FindHelpViewer(QWidget* from) {
    QWidget* home = HomeOf(from);
    auto& viewers = Viewers();
    viewers.removeAll(nullptr);
    for (const auto& viewer : viewers)
        if (viewer->home() == home) return viewer;
    return nullptr;
}

void ShowHelpTopic(QWidget* from, int topic) {
    int shown = topic;
    if (!HelpTopicHasPage(topic) && from) {
        // A control's own topic gives way to the nearest topic of its window that has a page.
        const QWidget* window = from->window();
        for (const QWidget* w = from; w; w = w->parentWidget()) {
            const int candidate = OwnHelpContext(w);
            if (HelpTopicHasPage(candidate)) {
                shown = candidate;
                break;
            }
            if (w == window) break;
        }
    }
    HelpViewer* viewer = FindHelpViewer(from);
    if (!viewer) viewer = new HelpViewer(HomeOf(from));
    viewer->followModalDialog();
    viewer->matchStaysOnTop(from ? from->window() : nullptr);
    viewer->showTopic(shown);
    if (viewer->isMinimized()) viewer->showNormal();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void ShowContextHelp(QWidget* widget) {
    const int topic = HelpContextOf(widget);
    ShowHelpTopic(widget, topic > 0 ? topic : kContentsTopic);
}

void InstallContextHelpKey() {
    static QPointer<ContextHelpKey> filter;
    if (filter || !qApp) return;
    filter = new ContextHelpKey(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace lovaris::ui
