#pragma once

#include "model/output/OutputLimits.h"
#include "model/picture/PictureFile.h"

#include <QImage>
#include <QString>
#include <optional>

class FieldValues;
class TVkVellumPanel;
struct TCardDef;

// What a picture export of a card puts out, whether the window's export or the command line's
// --export asks: one side of the card, at the card surface's own size (5 pixels per millimetre) or
// drawn at a resolution as printing draws it, in the file type its name asks for.
struct PictureExport {
    std::optional<int> Dpi{};                        // none for the card surface's own size
    int Quality = OutputLimits::kDefaultJpegQuality; // of a JPEG
    bool Back = false;

    // With a merge record, the card shows its values in its fields.
    QImage Render(const TVkVellumPanel &side, const TCardDef &cardDef,
                  const FieldValues *record = nullptr) const;
    // Writes the picture as WritePictureFile does, stating the resolution it was drawn at.
    void Write(const QString &path, PictureFileType type, const QImage &picture) const;
};
