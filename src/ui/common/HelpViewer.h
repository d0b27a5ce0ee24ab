#pragma once
// The context-help viewer: the program's help topics (bundled pages ":/help/<n>.html")
// in a small window that stays open beside the work. Each main window has one viewer,
// reused for every topic asked from that window or its dialogs.
#include <QPointer>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace lovaris::ui {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* home);
    void showTopic(int topic);
    int topic() const { return topic_; }
    QTextBrowser* browser() const { return browser_; }
    QWidget* home() const { return home_; }
    // Moves under the open modal dialog, if any, so that it is not blocked by it.
    void followModalDialog();
    // Stays on top exactly when the window it was asked from does.
    void matchStaysOnTop(const QWidget* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(QWidget* parent);
    void updateCaption();

    QPointer<QWidget> home_;
    QPointer<QWidget> modalHost_;
    QTextBrowser* browser_;
    int topic_ = 0;
};

// Whether the topic has a page of its own.
bool HelpTopicHasPage(int topic);
// The topic of a widget: its "helpContext" property, else the nearest parent's; 0 when none.
int HelpContextOf(const QWidget* widget);
// Opens the viewer of from's main window on the topic and brings it to the front. A control's
// topic without a page falls back to the nearest topic with a page within the same window.
void ShowHelpTopic(QWidget* from, int topic);
// F1: the topic of the widget (or of its window), the contents when it has none.
void ShowContextHelp(QWidget* widget);
// Makes F1 open the context help of the focused control in every window of the program.
void InstallContextHelpKey();
// The viewer of from's main window, nullptr while none is open.
HelpViewer* FindHelpViewer(QWidget* from);

}  // namespace lovaris::ui
