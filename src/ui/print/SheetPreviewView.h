#pragma once

#include "model/sheet/PaperPreview.h"

#include <QWidget>
#include <cstdint>

// The printer's paper at scale with the card sheet on it, as PaintPaperPreview draws it. A click on
// a card of the sheet chooses it.
class SheetPreviewView : public QWidget {
    Q_OBJECT
public:
    explicit SheetPreviewView(QWidget *parent = nullptr);

    void SetSheet(const PaperPreviewSheet &sheet, const TCardDef &cardDef);
    void SetCards(const PaperPreviewCards &cards);
    const PaperPreviewCards &Cards() const { return cards_; }

signals:
    void CellClicked(std::int64_t cell);

private:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

    PaperPreviewSheet sheet_;
    TCardDef cardDef_{};
    PaperPreviewCards cards_;
};
