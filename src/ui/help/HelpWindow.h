#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The program's help: Japanese pages bundled in the resources, with a contents page, an index
// page and the dialog topics 63 (drawing), 64 (grid), 66 (paper setup) and 67 (card sheet) as
// anchors. One help window per owner window; asking again brings it to the front.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Topic 0 is the contents page; an unknown topic also shows the contents.
    static HelpWindow *ShowTopic(int topic, QWidget *owner);
    static HelpWindow *ShowContents(QWidget *owner) { return ShowTopic(0, owner); }
    static QUrl TopicUrl(int topic);

    QTextBrowser &Browser() const { return *browser_; }

private:
    explicit HelpWindow(QWidget *owner);

    QTextBrowser *browser_ = nullptr;
};
