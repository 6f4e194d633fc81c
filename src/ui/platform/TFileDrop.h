#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <functional>

// Files dropped onto a window from the desktop's file manager. The window takes drops while Accept
// is true; OnFileDrop receives the number of files, the drop point and their local paths in the
// order the drop lists them. An error the handler raises reaches the default error box.
class TFileDrop : public QObject {
public:
    using FileDropEvent = std::function<void(int count, QPoint point, const QStringList &fileNames)>;

    // control: the window to watch; it is also the owner.
    explicit TFileDrop(QWidget &control);

    bool Accept() const { return accept_; }
    void SetAccept(bool accept);
    QWidget &Control() const { return control_; }

    FileDropEvent OnFileDrop;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &control_;
    bool accept_ = true;
};
