#include "model/picture/VCard.h"

#include <QStringList>
#include <utility>

namespace {

const QString kBegin = QStringLiteral("BEGIN:VCARD");
const QString kEnd = QStringLiteral("END:VCARD");
const QString kLineEnd = QStringLiteral("\r\n");

QString escaped(const QString &value)
{
    QString text;
    for (const QChar c : value) {
        if (c == u'\\' || c == u',' || c == u';')
            text += u'\\';
        if (c == u'\n')
            text += QStringLiteral("\\n");
        else if (c != u'\r')
            text += c;
    }
    return text;
}

// Family part and given part of a name written "family given".
std::pair<QString, QString> splitName(const QString &name)
{
    const QString trimmed = name.trimmed();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (trimmed[i] == u' ' || trimmed[i] == QChar(0x3000))
            return {trimmed.left(i), trimmed.mid(i + 1).trimmed()};
    }
    return {trimmed, QString()};
}

} // namespace

QStringList VCardComponents(const QString &value)
{
    QStringList parts(QString{});
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u';') {
            parts.append(QString());
        } else if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            parts.last() += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        } else {
            parts.last() += c;
        }
    }
    return parts;
}

QString BuildVCard(const VCardContact &contact)
{
    QStringList lines{kBegin, QStringLiteral("VERSION:3.0")};
    const auto add = [&lines](const char *property, const QString &value) {
        if (!value.isEmpty())
            lines.append(QLatin1String(property) + u':' + value);
    };
    const auto [family, given] = splitName(contact.Name);
    lines.append(QStringLiteral("N:") + escaped(family) + u';' + escaped(given) + QStringLiteral(";;;"));
    lines.append(QStringLiteral("FN:") + escaped(contact.Name.isEmpty() ? contact.Company : contact.Name));
    if (!contact.Reading.isEmpty()) {
        const auto [familyReading, givenReading] = splitName(contact.Reading);
        add("SORT-STRING", escaped(contact.Reading));
        add("X-PHONETIC-LAST-NAME", escaped(familyReading));
        add("X-PHONETIC-FIRST-NAME", escaped(givenReading));
    }
    add("ORG", escaped(contact.Company));
    add("TITLE", escaped(contact.Title));
    add("TEL;TYPE=WORK,VOICE", escaped(contact.Phone));
    add("EMAIL;TYPE=INTERNET", escaped(contact.Mail));
    if (!contact.Address.isEmpty())
        add("ADR;TYPE=WORK", QStringLiteral(";;") + escaped(contact.Address) + QStringLiteral(";;;;"));
    add("URL", contact.Url);
    lines.append(kEnd);
    return lines.join(kLineEnd) + kLineEnd;
}

std::optional<VCardContact> ParseVCard(const QString &text)
{
    QString unfolded = text;
    unfolded.replace(QStringLiteral("\r\n "), QString()).replace(QStringLiteral("\r\n\t"), QString());
    const QStringList lines = unfolded.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.first().compare(kBegin, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    VCardContact contact;
    bool unnamed = false;
    for (const QString &line : lines) {
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const QString name = line.left(colon).section(u';', 0, 0).toUpper();
        const QString value = line.mid(colon + 1);
        if (name == QLatin1String("N"))
            unnamed = VCardComponents(value).join(QString()).isEmpty();
        else if (name == QLatin1String("FN"))
            contact.Name = VCardComponents(value).join(u';');
        else if (name == QLatin1String("SORT-STRING"))
            contact.Reading = VCardComponents(value).join(u';');
        else if (name == QLatin1String("ORG"))
            contact.Company = VCardComponents(value).first();
        else if (name == QLatin1String("TITLE"))
            contact.Title = VCardComponents(value).join(u';');
        else if (name == QLatin1String("TEL"))
            contact.Phone = VCardComponents(value).join(u';');
        else if (name == QLatin1String("EMAIL"))
            contact.Mail = VCardComponents(value).join(u';');
        else if (name == QLatin1String("ADR"))
            contact.Address = VCardComponents(value).value(2);
        else if (name == QLatin1String("URL"))
            contact.Url = value;
    }
    // A contact without a name carries its company as the formatted name.
    if (unnamed)
        contact.Name.clear();
    return contact;
}
