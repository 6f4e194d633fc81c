#pragma once

#include <QImage>
#include <QStringList>

class TVkDragLabel;

// The values one record of a merge puts into a card's fields. A drawing given them shows every text
// and QR code with the record's values in place of its fields, and writes nothing into the card.
class FieldValues {
public:
    virtual ~FieldValues() = default;
    // The lines a text shows: its own when they hold no field.
    virtual QStringList Lines(const QStringList &lines) const = 0;
    // The modules a QR code shows, one pixel each: its own bitmap when its text holds no field.
    virtual QImage CodeModules(const TVkDragLabel &code) const = 0;
};
