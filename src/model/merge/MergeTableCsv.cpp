#include "model/merge/MergeTableCsv.h"

#include "model/platform/Cp932.h"
#include "model/platform/SaveWholeFile.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace {

bool isTextTable(const QString &path, const MergeTable &table)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return table.Encoding() != TableEncoding::Workbook && suffix != u"xlsx" && suffix != u"ods" &&
           suffix != u"vcf" && suffix != u"vcard";
}

QString quoted(const QString &value, QChar separator)
{
    if (!value.contains(separator) && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r'))
        return value;
    return u'"' + QString(value).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString line(const QStringList &values, QChar separator)
{
    QStringList fields;
    for (const QString &value : values)
        fields.append(quoted(value, separator));
    return fields.join(separator);
}

QByteArray encoded(const QString &text, TableEncoding encoding, QByteArrayView original)
{
    if (encoding == TableEncoding::Cp932) {
        const QString unstorable = Cp932::UnencodableCharacters(text);
        if (!unstorable.isEmpty())
            throw VkError(
                QCoreApplication::translate("MergeTableCsv", "Shift_JIS の表に保存できない文字があります: %1")
                    .arg(Cp932::DescribeCharacters(unstorable)));
        return Cp932::Encode(text);
    }
    if (encoding == TableEncoding::Utf16) {
        const bool bigEndian = original.startsWith("\xFE\xFF");
        QStringEncoder encoder(bigEndian ? QStringEncoder::Utf16BE : QStringEncoder::Utf16LE,
                               QStringEncoder::Flag::WriteBom);
        return encoder.encode(text);
    }
    const QByteArray utf8 = text.toUtf8();
    return original.isNull() || original.startsWith("\xEF\xBB\xBF") ? "\xEF\xBB\xBF" + utf8 : utf8;
}

// A workbook or an address book as the text table it is saved as.
MergeTable asUtf8(const MergeTable &table)
{
    std::vector<QStringList> records;
    for (int record = 0; record < table.RecordCount(); ++record)
        records.push_back(table.Record(record));
    return MergeTable(table.Columns(), std::move(records), TableEncoding::Utf8);
}

} // namespace

namespace MergeTableCsv {

QByteArray Bytes(const MergeTable &table, QByteArrayView original)
{
    const QString text = DecodeTableText(
        original, table.Encoding() == TableEncoding::Workbook ? TableEncoding::Utf8 : table.Encoding());
    const QStringView header = QStringView(text).left(text.indexOf(u'\n'));
    const QChar separator = header.count(u'\t') > header.count(u',') ? u'\t' : u',';
    const qsizetype firstBreak = text.indexOf(u'\n');
    const QString lineEnd = firstBreak > 0 && text[firstBreak - 1] == u'\r' ? QStringLiteral("\r\n")
                            : firstBreak > 0                                ? QStringLiteral("\n")
                                                                            : QStringLiteral("\r\n");
    QStringList lines{line(table.Columns(), separator)};
    for (int record = 0; record < table.RecordCount(); ++record)
        lines.append(line(table.Record(record), separator));
    const bool finalLineEnd = text.isEmpty() || text.endsWith(u'\n');
    const TableEncoding encoding =
        table.Encoding() == TableEncoding::Workbook ? TableEncoding::Utf8 : table.Encoding();
    return encoded(lines.join(lineEnd) + (finalLineEnd ? lineEnd : QString()), encoding, original);
}

QString CsvPath(const QString &path, const MergeTable &table)
{
    if (isTextTable(path, table))
        return path;
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
}

QString SaveCsv(const QString &path, const MergeTable &table)
{
    const QString target = CsvPath(path, table);
    const bool textTable = target == path;
    QFile old(target);
    const QByteArray original = textTable && old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
    old.close();
    const QByteArray bytes = textTable ? Bytes(table, original) : Bytes(asUtf8(table), QByteArrayView());
    if (QFile::exists(target)) {
        const QString backup = target + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(target, backup))
            throw VkError(
                QCoreApplication::translate("MergeTableCsv", "%1 を保存する前の控え %2 を作れません")
                    .arg(target, backup));
    }
    QString reason;
    if (!SaveWholeFile(target, bytes, &reason))
        throw VkError(
            QCoreApplication::translate("MergeTableCsv", "%1 を保存できません。%2").arg(target, reason));
    return target;
}

} // namespace MergeTableCsv
