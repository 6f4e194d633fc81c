#pragma once

#include "model/card/CardTypes.h"

#include <QDialog>
#include <QString>

class QListWidget;

// What a new card starts from: a blank card, across or upright, or one of the sample designs that
// come with the program, each shown as a picture of the card drawn as export draws it.
class TfrmNewCard : public QDialog {
    Q_OBJECT
public:
    // The sample designs are the card documents in samplesFolder, in the order of their names; a
    // file that is not a card is left out.
    explicit TfrmNewCard(const QString &samplesFolder, QWidget *parent = nullptr);

    // The sample design chosen, or empty for a blank card.
    QString ChosenSample() const;
    // The orientation of the blank card chosen.
    TCardOrientation BlankOrientation() const;

private:
    void addBlank(TCardOrientation orientation, const QString &title);
    void addSample(const QString &path);
    void addItem(const QPixmap &thumbnail, const QString &title, const QString &sample,
                 TCardOrientation orientation);

    QListWidget *lstSamples_ = nullptr;
};
