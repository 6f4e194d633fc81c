#pragma once

#include <QString>
#include <QStringList>
#include <utility>

// A settings file in INI form with the semantics of the classic profile functions: section and key
// names compare case-insensitively, a write goes straight to the file, and every line the program
// does not know (comments, other sections, foreign keys) is kept as it was. The file is CP932 text.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString &FileName() const { return path_; }
    // False when the path holds something other than a settings file (a pipe, a device, a folder, a
    // file far too large): it is then neither read nor written.
    bool Usable() const { return !unusable_; }

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    // A missing key, or a value that is not a decimal integer, reads as the default.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    // The keys of a section in the file's order, each once; none when the section is missing.
    QStringList ReadSection(const QString &section) const;

    // Each write saves the file at once (through a temporary file, so a failed write never leaves
    // a half-written settings file). Returns false when the file could not be written.
    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);

    // Saves many keys at once: the writes made by `writes` change the lines read once before them,
    // and the file is then saved in one pass, so a failed save leaves every key as it was. Returns
    // false when the file could not be written.
    template <class Writes> bool WriteTogether(Writes &&writes)
    {
        load();
        holding_ = true;
        std::forward<Writes>(writes)();
        holding_ = false;
        return save();
    }

private:
    void load();
    bool save();
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    int sectionEnd(int sectionLine) const;

    QString path_;
    QStringList lines_;
    bool holding_ = false;  // inside WriteTogether: writes wait for its one save
    bool unusable_ = false; // the path holds something other than a settings file
};
