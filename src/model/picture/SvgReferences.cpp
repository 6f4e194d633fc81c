#include "model/picture/SvgReferences.h"

#include <QList>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

bool isDataAddress(QStringView address)
{
    return address.trimmed().startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
}

QStringView localName(QStringView qualifiedName)
{
    const qsizetype colon = qualifiedName.lastIndexOf(u':');
    return colon < 0 ? qualifiedName : qualifiedName.mid(colon + 1);
}

// A picture must be held in the file itself; anything else may point into this file (#id) or hold
// its own data, and a hyperlink is only followed by whoever reads the card.
bool refersOutside(const QXmlStreamReader &reader)
{
    const QStringView element = localName(reader.qualifiedName());
    if (element == QLatin1String("a"))
        return false;
    for (const QXmlStreamAttribute &attribute : reader.attributes()) {
        if (localName(attribute.qualifiedName()) != QLatin1String("href"))
            continue;
        const QStringView address = attribute.value().trimmed();
        if (isDataAddress(address))
            continue;
        if (element == QLatin1String("image") || !address.startsWith(u'#'))
            return true;
    }
    return false;
}

bool isOutsideStyleSheet(const QXmlStreamReader &reader)
{
    if (reader.processingInstructionTarget() != QLatin1String("xml-stylesheet"))
        return false;
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*[\"']([^\"']*)"));
    const QRegularExpressionMatch match = href.match(reader.processingInstructionData().toString());
    return !match.hasMatch() || !isDataAddress(match.capturedView(1));
}

// Style sheets written in the file may still import others. A space stands where a rule was, so
// that what was around it cannot join into a new rule.
QString withoutImports(const QString &css, int &removed)
{
    static const QRegularExpression import(QStringLiteral("@import\\s*(url\\s*\\()?\\s*[\"']?([^;]*);?"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString kept;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = import.globalMatch(css); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (isDataAddress(match.capturedView(2)))
            continue;
        kept += QStringView(css).mid(from, match.capturedStart() - from);
        kept += u' ';
        from = match.capturedEnd();
        ++removed;
    }
    if (from == 0)
        return css;
    kept += QStringView(css).mid(from);
    return kept;
}

void skipElement(QXmlStreamReader &reader)
{
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
}

} // namespace

SvgReferences WithoutOutsideReferences(const QByteArray &svg)
{
    SvgReferences result;
    QXmlStreamReader reader(svg);
    // Names stay exactly as written, xmlns declarations included, so the copy means what the file did.
    reader.setNamespaceProcessing(false);
    QXmlStreamWriter writer(&result.Svg);
    // A style sheet comes in pieces (around sections, comments and other elements); each element's
    // own text is looked at whole.
    QList<bool> styleElements;
    QString styleSheet;
    const auto writeStyleSheet = [&] {
        if (!styleSheet.isEmpty())
            writer.writeCharacters(withoutImports(styleSheet, result.Removed));
        styleSheet.clear();
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument: writer.writeStartDocument(); break;
        case QXmlStreamReader::EndDocument: writer.writeEndDocument(); break;
        case QXmlStreamReader::StartElement:
            writeStyleSheet();
            if (refersOutside(reader)) {
                ++result.Removed;
                skipElement(reader);
                break;
            }
            writer.writeStartElement(reader.qualifiedName().toString());
            writer.writeAttributes(reader.attributes());
            styleElements.append(localName(reader.qualifiedName()) == QLatin1String("style"));
            break;
        case QXmlStreamReader::EndElement:
            writeStyleSheet();
            if (!styleElements.isEmpty())
                styleElements.removeLast();
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (!styleElements.isEmpty() && styleElements.last())
                styleSheet += reader.text();
            else if (reader.isCDATA())
                writer.writeCDATA(reader.text().toString());
            else
                writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment: writer.writeComment(reader.text().toString()); break;
        case QXmlStreamReader::ProcessingInstruction:
            if (isOutsideStyleSheet(reader))
                ++result.Removed;
            else
                writer.writeProcessingInstruction(reader.processingInstructionTarget().toString(),
                                                  reader.processingInstructionData().toString());
            break;
        // Entities the file declares are already replaced in the text; a declaration of an outside
        // one, or the document type naming a file, has nothing the drawing needs.
        default: break;
        }
    }
    if (!reader.hasError() && result.Removed == 0)
        result.Svg = svg;
    else if (reader.hasError())
        writer.writeEndDocument();
    return result;
}
