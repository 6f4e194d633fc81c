#pragma once

#include "model/document/CardStreamNames.h"
#include "model/document/ComponentStreamReader.h"
#include "model/document/ComponentStreamWriter.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

// How a stored property is written and read.
enum class PropertyKind {
    Integer,
    Text,
    Boolean,
    Enumeration,   // identifier naming a member; the value is its ordinal
    Set,           // member names; the value holds one bit per ordinal
    Color,         // a colour name when the value has one, otherwise an integer
    Cursor,        // likewise with cursor names
    Charset,       // likewise with character set names
    MenuReference, // "form.menu"; the program wires its own menus, so the value read is not kept
    Lines,         // list of texts
    Bitmap,        // binary: four-byte length, then a BMP file
    Bytes,         // binary: the bytes as they are
    Utf8Text,      // binary: the text in UTF-8, for text that code page 932 cannot hold
};

// Integers, enumeration ordinals, sets and colours travel as int32; colours keep their bits.
using PropertyValue = std::variant<std::int32_t, bool, QString, QStringList, QImage, QByteArray>;

// One stored property of a component class. The same row drives writing and reading, so the two
// always agree on names, kinds and order.
template <class Component> struct PropertyRow {
    const char *name;
    PropertyKind kind;
    CardStreamNames::MemberNames members; // enumerations and sets
    std::function<PropertyValue(const Component &)> get;
    std::function<void(Component &, const PropertyValue &)> set;
    std::function<bool(const Component &)> stored; // empty: always written
};

template <class Component> using PropertyTable = std::vector<PropertyRow<Component>>;

void WritePropertyValue(ComponentStreamWriter &writer, PropertyKind kind,
                        CardStreamNames::MemberNames members, const PropertyValue &value);
// The value read, or none when the stream fails or the value does not fit the kind.
std::optional<PropertyValue> ReadPropertyValue(ComponentStreamReader &reader, PropertyKind kind,
                                               CardStreamNames::MemberNames members);

// Writes the stored properties of a component, in table order, and the zero byte that ends them.
template <class Component>
void WriteProperties(ComponentStreamWriter &writer, const PropertyTable<Component> &table,
                     const Component &component)
{
    for (const PropertyRow<Component> &row : table) {
        if (row.stored && !row.stored(component))
            continue;
        writer.WriteShortString(row.name);
        WritePropertyValue(writer, row.kind, row.members, row.get(component));
    }
    writer.WriteEndOfList();
}

// Reads properties up to the zero byte that ends them, setting each. A name the class does not
// have is a property of a newer version of the program: its value is passed over by its tag and
// counted. A value that does not fit fails the stream; the properties set before stay set.
template <class Component>
bool ReadProperties(ComponentStreamReader &reader, const PropertyTable<Component> &table,
                    Component &component)
{
    while (!reader.Failed() && reader.PeekByte() != 0) {
        const QByteArrayView name = reader.ReadShortString();
        const PropertyRow<Component> *row = nullptr;
        for (const PropertyRow<Component> &candidate : table) {
            if (QByteArrayView(candidate.name).compare(name, Qt::CaseInsensitive) == 0) {
                row = &candidate;
                break;
            }
        }
        if (!row) {
            reader.SkipProperty();
            continue;
        }
        std::optional<PropertyValue> value = ReadPropertyValue(reader, row->kind, row->members);
        if (!value)
            break;
        row->set(component, *value);
    }
    reader.ReadByte();
    return !reader.Failed();
}
