#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A person's contact as a QR code carries it: a vCard 3.0 in UTF-8. Fields left empty are left out.
struct VCardContact {
    QString Name;    // family and given name, split at the first space (full-width too)
    QString Reading; // the name's reading, likewise split
    QString Company;
    QString Title;
    QString Phone;
    QString Mail;
    QString Address;
    QString Url;

    bool operator==(const VCardContact &) const = default;
};

// The vCard of contact, lines ended by CR LF. The formatted name is the name, or the company for a
// contact without one. Text values escape backslashes, commas, semicolons and line breaks; the URL,
// being a URI, is kept as typed. Fields such as "{{会社}}" pass through untouched.
QString BuildVCard(const VCardContact &contact);

// The components of a structured value, split at semicolons that are not escaped, each unescaped
// (a backslash before n or N is a line break).
QStringList VCardComponents(const QString &value);

// The fields of a vCard that BuildVCard made (other properties are ignored), or none when the
// text is not a vCard.
std::optional<VCardContact> ParseVCard(const QString &text);
