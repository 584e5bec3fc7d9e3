#pragma once

#include <QByteArray>
#include <QString>

// A Windows-style INI file kept in CP949 with CR LF line ends, read and written one key at a time.
// Section and key names compare without case; lines this class does not touch are kept as they are.
// A missing or unreadable file reads as empty; values are raw bytes (the password is not text). A write replaces the
// file only once the whole new file is on the disk, and leaves it untouched when the value is already stored.
class IniFile {
public:
    explicit IniFile(const QString& path)
        : m_path(path)
    {
    }

    bool hasValue(const QString& section, const QString& key) const;
    QByteArray readBytes(const QString& section, const QString& key, const QByteArray& fallback = {}) const;
    bool writeBytes(const QString& section, const QString& key, const QByteArray& value) const;

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    bool writeString(const QString& section, const QString& key, const QString& value) const;
    int readInteger(const QString& section, const QString& key, int fallback) const;
    bool writeInteger(const QString& section, const QString& key, int value) const;
    // Booleans are stored as "1" and "0"; any other number reads as true except 0.
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    bool writeBool(const QString& section, const QString& key, bool value) const;

    const QString& path() const { return m_path; }

private:
    bool find(const QString& section, const QString& key, QByteArray* value) const;

    QString m_path;
};
