#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <optional>

// The user's registry on this platform: the INI file Registry.ini in the home, one group per key path
// ("Software/FBMorv.exe/EdiComm32/Comm"). Key paths and value names compare without case, as the Windows
// registry does; a write keeps whatever spelling is already stored, so differently spelt writers share one key.
class Registry {
public:
    using Values = QList<QPair<QString, QVariant>>;

    explicit Registry(const QString& file)
        : m_file(file)
    {
    }

    // A key exists when it holds a value or a sub-key.
    bool keyExists(const QString& keyPath) const;
    bool hasValue(const QString& keyPath, const QString& name) const;
    std::optional<QString> readString(const QString& keyPath, const QString& name) const;
    // Empty when the value is missing or not a whole number.
    std::optional<int> readInteger(const QString& keyPath, const QString& name) const;

    // Writes the values under the key, creating it; false when the file cannot be written, which then stays as it
    // was. Values already stored are not written again, so a run that changes nothing leaves the file untouched.
    bool write(const QString& keyPath, const Values& values) const;

    const QString& file() const { return m_file; }

private:
    QString m_file;
};
