#pragma once

#include "model/output/PictureExport.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

// Saves the card as a picture file, a 24-bit BMP, a baseline JPEG or a PNG, at the size the card
// surface shows it or drawn at 300 or 600 dpi as printing draws it; or its sheet as a PDF file. A
// name's picture extension (.bmp, .dib, .jpg, .jpeg, .png) decides the format; a name with another
// takes the type chosen in the save dialog, and a name typed without one gets that type's extension.
// The card is never changed.
class ExportCommand {
public:
    // What the export needs from the main window.
    struct Context {
        QWidget *DialogParent = nullptr;
        // The save dialog that the card's save-as uses too; the export leaves its default extension
        // as it found it.
        QFileDialog *SaveDialog = nullptr;
        // Starts the save dialog in the remembered save folder with no file name, the title and
        // the file types given.
        std::function<void(const QString &title, const QString &filter)> PrepareSaveDialog = {};
        QString *SaveDirectory = nullptr; // follows the folder of each file written
        // The card as the picture asks for it, at the surface's size or as printing draws it.
        std::function<QImage(const PictureExport &picture)> RenderCard = {};
        // Writes the card's sheet to a PDF file as printing lays it out; throws VkError when it cannot.
        std::function<void(const QString &path)> WriteSheetPdf = {};
    };

    explicit ExportCommand(Context context) : context_(std::move(context)) {}

    // acSaveAsBitmap: asks for the file, the resolution, for a JPEG also the quality, then writes. Returns
    // whether a file was written; false when the user cancelled. Throws VkError when writing fails, with any
    // file of that name left as it was and the save folder unchanged.
    bool SaveAsBitmap();
    // acSaveAsPdf: asks for the file, then writes the card's sheet. Returns whether a file was written;
    // false when the user cancelled. Throws VkError like SaveAsBitmap.
    bool SaveAsPdf();

private:
    // The save dialog on the file types given, type chosen first and then the one chosen; the path,
    // empty when the user cancelled.
    QString chooseFile(const QString &title, const QStringList &types, QString &type);
    std::optional<int> askResolution();

    Context context_;
    QString fileType_;   // the type chosen at the last export, offered again at the next
    int resolution_ = 0; // likewise the resolution, 0 for the surface's size
};

// The JPEG quality typed into the quality box: 80 when it is not a whole number, and 1 to 100.
int ParseJpegQuality(const QString &text);
