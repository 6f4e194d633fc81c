#include "model/settings/MainSettings.h"

#include "model/card/CardZoom.h"
#include "model/platform/Cp932.h"
#include "model/platform/FolderPart.h"
#include "model/platform/IniFile.h"
#include "model/platform/LineListText.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString kPlacement = QStringLiteral("Placement");
const QString kSettings = QStringLiteral("Settings");
const QString kRecentFiles = QStringLiteral("RecentFiles");
const QString kMerge = QStringLiteral("Merge");
const QRect kFallbackPosition(0, 0, 600, 400);

// The settings file holds one line of code page 932 text per key, which many folder names cannot
// be written in: such a folder is remembered as its nearest enclosing folder that can, rather than
// as a name with substitutes that leads nowhere or a line break that splits the file's line.
QString storableFolder(QString folder)
{
    while (!Cp932::UnencodableCharacters(folder).isEmpty() || folder.contains(u'\n') ||
           folder.contains(u'\r'))
        folder = FolderPart(folder);
    return folder;
}

QString recentFileKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// A file name the settings file can hold as one line of code page 932 text.
bool storableFileName(const QString &fileName)
{
    return Cp932::UnencodableCharacters(fileName).isEmpty() && !fileName.contains(u'\n') &&
           !fileName.contains(u'\r');
}

} // namespace

std::optional<QRect> ParsePositionText(const QString &text)
{
    // Blanks and commas separate the items; a double-quoted item may hold either.
    const QStringList items = TextToLineList(text);
    if (items.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = items[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const qint64 width = qint64(values[2]) - values[0];
    const qint64 height = qint64(values[3]) - values[1];
    if (width <= 0 || height <= 0 || width > 1000000 || height > 1000000)
        return std::nullopt;
    return QRect(values[0], values[1], int(width), int(height));
}

QString FormatPositionText(const QRect &rect)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.left() + rect.width())
        .arg(rect.top() + rect.height());
}

void MainSettings::Load(const IniFile &ini, const QRect &currentBounds)
{
    const QString position =
        ini.ReadString(kPlacement, QStringLiteral("Position"), FormatPositionText(currentBounds));
    Position = ParsePositionText(position).value_or(kFallbackPosition);
    PositionStored = !ini.ReadString(kPlacement, QStringLiteral("Position"), QString()).isEmpty();
    ShowCmd = ini.ReadInteger(kPlacement, QStringLiteral("ShowCmd"), 5);
    UndoCount = std::clamp(ini.ReadInteger(kSettings, QStringLiteral("UndoCount"), DefaultUndoCount), 0,
                           MaxUndoCount);
    CardIndex = ini.ReadInteger(kSettings, QStringLiteral("CardIndex"), 0);
    OpenDirectory = ini.ReadString(kSettings, QStringLiteral("OpenDirectory"), QString());
    SaveDirectory = ini.ReadString(kSettings, QStringLiteral("SaveDirectory"), QString());
    ImageDirectory = ini.ReadString(kSettings, QStringLiteral("ImageDirectory"), QString());
    ShowGrid = ini.ReadBool(kSettings, QStringLiteral("ShowGrid"), true);
    GridSize = ini.ReadInteger(kSettings, QStringLiteral("GridSize"), 2);
    GridUnit = ini.ReadInteger(kSettings, QStringLiteral("GridUnit"), 0);
    // One byte on disk: only the two styles that exist are taken, anything else is the default.
    const int style = ini.ReadInteger(kSettings, QStringLiteral("GridStyle"), 1);
    GridStyle = style == 0 || style == 1 ? style : 1;
    FixedGrid = ini.ReadBool(kSettings, QStringLiteral("FixedGrid"), true);
    GuessMark = ini.ReadInteger(kSettings, QStringLiteral("GuessMark"), 0);
    ShowToolBar = ini.ReadBool(kSettings, QStringLiteral("ShowToolBar"), true);
    ShowStatusBar = ini.ReadBool(kSettings, QStringLiteral("ShowStatusBar"), true);
    Zoom = ClampZoom(ini.ReadInteger(kSettings, QStringLiteral("Zoom"), kDefaultZoom));
    RecentFiles.clear();
    for (int i = 0; i < MaxRecentFiles; ++i) {
        const QString fileName = ini.ReadString(kRecentFiles, recentFileKey(i), QString());
        if (!fileName.isEmpty() && !RecentFiles.contains(fileName))
            RecentFiles << fileName;
    }
    MergeTable = ini.ReadString(kMerge, QStringLiteral("Table"), QString());
    StandardKeys = ini.ReadBool(kSettings, QStringLiteral("StandardKeys"), false);
    PrintAdjustments.Load(ini);
}

bool MainSettings::Save(IniFile &ini) const
{
    return ini.WriteTogether([this, &ini] {
        ini.WriteString(kPlacement, QStringLiteral("Position"), FormatPositionText(Position));
        ini.WriteInteger(kPlacement, QStringLiteral("ShowCmd"), ShowCmd);
        ini.WriteInteger(kSettings, QStringLiteral("UndoCount"), UndoCount);
        ini.WriteInteger(kSettings, QStringLiteral("CardIndex"), CardIndex);
        ini.WriteString(kSettings, QStringLiteral("OpenDirectory"), storableFolder(OpenDirectory));
        ini.WriteString(kSettings, QStringLiteral("SaveDirectory"), storableFolder(SaveDirectory));
        ini.WriteString(kSettings, QStringLiteral("ImageDirectory"), storableFolder(ImageDirectory));
        ini.WriteBool(kSettings, QStringLiteral("ShowGrid"), ShowGrid);
        ini.WriteInteger(kSettings, QStringLiteral("GridSize"), GridSize);
        ini.WriteInteger(kSettings, QStringLiteral("GridUnit"), GridUnit);
        ini.WriteInteger(kSettings, QStringLiteral("GridStyle"), GridStyle);
        ini.WriteBool(kSettings, QStringLiteral("FixedGrid"), FixedGrid);
        ini.WriteInteger(kSettings, QStringLiteral("GuessMark"), GuessMark);
        ini.WriteBool(kSettings, QStringLiteral("ShowToolBar"), ShowToolBar);
        ini.WriteBool(kSettings, QStringLiteral("ShowStatusBar"), ShowStatusBar);
        ini.WriteInteger(kSettings, QStringLiteral("Zoom"), Zoom);
        SaveRecentFiles(ini);
        // Only once a table has been merged, so that files of cards never merged keep their keys.
        if (!MergeTable.isEmpty() || !ini.ReadString(kMerge, QStringLiteral("Table"), QString()).isEmpty())
            ini.WriteString(kMerge, QStringLiteral("Table"),
                            storableFileName(MergeTable) ? MergeTable : QString());
        // Only once chosen, so that a file written before the choice existed keeps its keys.
        if (StandardKeys || !ini.ReadString(kSettings, QStringLiteral("StandardKeys"), QString()).isEmpty())
            ini.WriteBool(kSettings, QStringLiteral("StandardKeys"), StandardKeys);
        PrintAdjustments.Save(ini);
    });
}

void MainSettings::SaveRecentFiles(IniFile &ini) const
{
    QStringList recent;
    for (const QString &fileName : RecentFiles) {
        if (storableFileName(fileName) && recent.size() < MaxRecentFiles)
            recent << fileName;
    }
    // A settings file that never had a recent file stays without the section; one that had more
    // than now has the rest emptied.
    for (int i = 0; i < MaxRecentFiles; ++i) {
        const QString key = recentFileKey(i);
        const QString fileName = recent.value(i);
        if (!fileName.isEmpty() || !ini.ReadString(kRecentFiles, key, QString()).isEmpty())
            ini.WriteString(kRecentFiles, key, fileName);
    }
}
