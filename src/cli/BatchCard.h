#pragma once

#include "model/card/TVkVellumPanel.h"
#include "model/document/TCardDef.h"
#include "model/settings/BackSideSettings.h"
#include "model/settings/MainSettings.h"

#include <QString>
#include <QStringList>
#include <memory>

// The card of a batch run: a card document read into a surface laid out for its card definition as
// the window lays it out (5 pixels per millimetre), with the settings the window left behind.
class BatchCard {
public:
    // Reads the document at path by the rules the window opens cards with. One without a card
    // definition is laid out for the card sheet the window chose last. Throws VkError naming the
    // file when it is missing, not a plain file, unreadable, not a card document, or so damaged that
    // part of it could not be read (saying what).
    explicit BatchCard(const QString &path);

    const TVkVellumPanel &Surface() const { return *surface_; }
    // A merge shows each record on the card while it is drawn.
    TVkVellumPanel &Surface() { return *surface_; }
    // The card's back side, blank when the document has none.
    const TVkVellumPanel &Back() const { return *back_; }
    TVkVellumPanel &Back() { return *back_; }
    bool HasBackSide() const;
    const TCardDef &CardDef() const { return cardDef_; }
    const MainSettings &Settings() const { return settings_; }
    // How the window printed a back side last.
    const BackSideSettings &BackSide() const { return backSide_; }
    // The file's name without its folder, as a print job or PDF title.
    QString Title() const;
    // What the card was read without, though it draws as its file has it: for standard error.
    const QStringList &Notes() const { return notes_; }

    // Lays the card out for the card sheet of that name in the card definitions file, as choosing
    // it in the paper setup does; objects keep their places. Throws VkError naming the sheet when
    // the file has none of that name.
    void UseSheet(const QString &name);

private:
    void layOut();

    QString path_;
    MainSettings settings_;
    BackSideSettings backSide_;
    std::unique_ptr<TVkVellumPanel> surface_;
    std::unique_ptr<TVkVellumPanel> back_;
    TCardDef cardDef_{};
    QStringList notes_;
};
