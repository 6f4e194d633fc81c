#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

// The code a QR dialog would make, drawn as the card draws it: exact squares on white, the quiet
// zone included. An empty frame while there is no code.
class QrCodePreview : public QWidget {
public:
    explicit QrCodePreview(QWidget *parent = nullptr);

    // modules as EncodeQrCode gives them; a null image shows no code.
    void SetModules(const QImage &modules);
    const QImage &Modules() const { return modules_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawCode(QPainter &painter, const QRect &inside) const;

    QImage modules_;
};
