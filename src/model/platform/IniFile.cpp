#include "model/platform/IniFile.h"

#include "model/platform/Cp932.h"
#include "model/platform/SaveWholeFile.h"
#include "model/platform/SettingsFileBytes.h"

#include <QFileInfo>
#include <algorithm>

namespace {

bool isSectionLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(u'[') && trimmed.contains(u']');
}

QString sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
}

// Splits "key=value"; a line without '=' has no key.
bool splitKeyLine(const QString &line, QString *key, QString *value)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return false;
    *key = line.left(equals).trimmed();
    *value = line.mid(equals + 1).trimmed();
    return !key->isEmpty();
}

QString unquote(const QString &value)
{
    if (value.size() >= 2 && ((value.startsWith(u'"') && value.endsWith(u'"')) ||
                              (value.startsWith(u'\'') && value.endsWith(u'\''))))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path))
{
    load();
}

void IniFile::load()
{
    lines_.clear();
    const std::optional<QByteArray> bytes = ReadSettingsFileBytes(path_);
    // Something that is there but no plain file of settings is neither read nor replaced.
    unusable_ = !bytes && QFileInfo::exists(path_);
    if (!bytes)
        return;
    QString text = Cp932::Decode(*bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    lines_ = text.split(u'\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
}

bool IniFile::save()
{
    if (holding_)
        return true;
    if (unusable_)
        return false;
    QByteArray bytes;
    for (const QString &line : lines_)
        bytes += Cp932::Encode(line) + "\r\n";
    if (SaveWholeFile(path_, bytes))
        return true;
    load(); // what the file holds is what reads see, as with any failed write
    return false;
}

int IniFile::findSection(const QString &section) const
{
    for (int i = 0; i < lines_.size(); ++i) {
        if (isSectionLine(lines_[i]) && sectionName(lines_[i]).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < lines_.size() && !isSectionLine(lines_[i]))
        ++i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        QString name, value;
        if (splitKeyLine(lines_[i], &name, &value) && name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return defaultValue;
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return defaultValue;
    QString name, value;
    splitKeyLine(lines_[keyLine], &name, &value);
    return unquote(value);
}

int IniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = ReadString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::ReadSection(const QString &section) const
{
    QStringList keys;
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return keys;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        QString name, value;
        if (splitKeyLine(lines_[i], &name, &value) &&
            std::none_of(keys.cbegin(), keys.cend(),
                         [&name](const QString &key) { return key.compare(name, Qt::CaseInsensitive) == 0; }))
            keys << name;
    }
    return keys;
}

bool IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    if (!holding_)
        load();
    const QString line = key + u'=' + value;
    int sectionLine = findSection(section);
    if (sectionLine < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_ << QString();
        lines_ << u'[' + section + u']' << line;
        return save();
    }
    const int keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        lines_[keyLine] = line;
        return save();
    }
    // New keys go after the section's last non-blank line, so blank separators stay between sections.
    int insertAt = sectionEnd(sectionLine);
    while (insertAt > sectionLine + 1 && lines_[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    lines_.insert(insertAt, line);
    return save();
}

bool IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
