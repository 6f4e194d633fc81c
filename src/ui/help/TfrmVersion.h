#pragma once

#include <QDialog>

class QPushButton;
class TVkUrlLabel;

// The about box: the program's icon, name and version, and a hyperlink to the home page whose
// pop-up menu opens or copies the address.
class TfrmVersion : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVersion(QWidget *owner = nullptr);

    TVkUrlLabel &UrlLabel() const { return *urlLabel_; }

private:
    void showEvent(QShowEvent *event) override;

    TVkUrlLabel *urlLabel_ = nullptr;
    bool centred_ = false;
};
