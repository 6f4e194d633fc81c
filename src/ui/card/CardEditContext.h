#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;
class TVkDragLabel;
class TVkVellumPanel;

// What the commands that add and edit card objects need from the main window, so that their
// bodies live apart from it and run on any card surface.
struct CardEditContext {
    TVkVellumPanel &Surface;
    QWidget *DialogParent = nullptr;
    // Clears the nudge flag, then records the card for undo (which marks it modified).
    std::function<void()> TakeUndoSnapshot = {};
    std::function<void()> DeselectAllObjects = {};
    // Gives a new object the main window's handlers (selection, double click, move, move start,
    // mouse-down) and the objects' pop-up menu.
    std::function<void(TVkDragLabel &)> WireCardObject = {};
    // Runs the picture dialog in the folder given; the chosen file, or an empty text on cancel.
    std::function<QString(const QString &folder)> ChoosePictureFile = {};
    // The remembered picture folder, updated when a picture file is chosen.
    QString *ImageDirectory = nullptr;
    // The columns of the open merge table, offered as fields in the text dialog; none while no
    // table is open.
    QStringList MergeColumns = {};
};

// Puts a newly made object on the card as every adding command does: one undo step, the other
// objects deselected, the object on top with the main window's handlers, selected, at the card's
// top-left corner.
TVkDragLabel &PlaceNewObject(const CardEditContext &context, std::unique_ptr<TVkDragLabel> created);
